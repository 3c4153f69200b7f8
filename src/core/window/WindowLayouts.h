#pragma once

namespace corvane {

class MainWindowModel;

/// The window's two layouts and its command buttons.
class WindowLayouts {
public:
    /// `posinit`: the collapsed layout (only the top strip), at the top-left corner.
    static void posinit(MainWindowModel& window);
    /// `possuc`: the expanded layout (top strip and one panel), at the top-left corner.
    static void possuc(MainWindowModel& window);
    /// `EnableButtons`: every Command3 button enabled.
    static void enableButtons(MainWindowModel& window);
    /// `DisableButtons`: every Command3 button disabled.
    static void disableButtons(MainWindowModel& window);
};

}  // namespace corvane
