#pragma once

class QWidget;

namespace corvane {

/// The ATIS panel `FraMetar`: ATIS text, AIRAC line and the position's description.
class AtisPanelForm {
public:
    /// Builds the panel inside the window's client area.
    static void build(QWidget* window);
};

}  // namespace corvane
