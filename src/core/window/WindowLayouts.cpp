#include "window/WindowLayouts.h"

#include "window/MainWindowModel.h"

namespace corvane {

namespace {

void place(MainWindowModel& window, WindowLayout layout, int height) {
    window.layout = layout;
    window.left = 0;
    window.top = 0;
    window.width = MainWindowModel::kWidthTwips;
    window.height = height;
}

void setCommandButtons(MainWindowModel& window, bool enabled) {
    for (Button* button : window.topStrip.commands()) {
        button->enabled = enabled;
    }
}

}  // namespace

void WindowLayouts::posinit(MainWindowModel& window) {
    place(window, WindowLayout::Collapsed, MainWindowModel::kCollapsedHeightTwips);
}

void WindowLayouts::possuc(MainWindowModel& window) {
    place(window, WindowLayout::Expanded, MainWindowModel::kExpandedHeightTwips);
}

void WindowLayouts::enableButtons(MainWindowModel& window) {
    setCommandButtons(window, true);
}

void WindowLayouts::disableButtons(MainWindowModel& window) {
    setCommandButtons(window, false);
}

}  // namespace corvane
