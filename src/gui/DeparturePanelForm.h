#pragma once

class QWidget;

namespace corvane {

/// The departure panel `FraSid`: runway and SID choice, departing aircraft, the analysed
/// flight, the clearance and the rules of thumb.
class DeparturePanelForm {
public:
    /// Builds the panel inside the window's client area.
    static void build(QWidget* window);
};

}  // namespace corvane
