#pragma once

class QWidget;

namespace corvane {

/// The tooltips of the main window: the navigation buttons and the fields whose meaning the
/// caption beside them does not make plain.
class ToolTips {
public:
    static void apply(QWidget* window);
};

}  // namespace corvane
