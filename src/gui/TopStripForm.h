#pragma once

class QWidget;

namespace corvane {

/// The top strip `Frame7`: connect controls, station fields, the `Command3` buttons, and the
/// approach list `fraILS` that lies over them when shown.
class TopStripForm {
public:
    /// Builds the strip inside the window's client area.
    static void build(QWidget* window);
};

}  // namespace corvane
