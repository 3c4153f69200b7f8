#pragma once

class QWidget;

namespace corvane {

/// The arrival panel `FraStar`: runway and STAR choice, arriving aircraft, the analysed
/// flight, the clearance, the approach procedures and the rules of thumb.
class ArrivalPanelForm {
public:
    /// Builds the panel inside the window's client area.
    static void build(QWidget* window);
};

}  // namespace corvane
