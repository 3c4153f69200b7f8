#pragma once

namespace corvane {

class MainWindowModel;

namespace WindowLayouts {
/// `posinit`: the collapsed layout (only the top strip), at the top-left corner.
void posinit(MainWindowModel& window);
/// `possuc`: the expanded layout (top strip and one panel), at the top-left corner.
void possuc(MainWindowModel& window);
/// `EnableButtons`: every Command3 button enabled.
void enableButtons(MainWindowModel& window);
/// `DisableButtons`: every Command3 button disabled.
void disableButtons(MainWindowModel& window);
}  // namespace WindowLayouts

}  // namespace corvane
