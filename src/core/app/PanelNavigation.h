#pragma once

namespace corvane {

class AppContext;

/// The `Command3` button array of the top strip.
namespace PanelNavigation {
/// A click on `Command3(index)`: expands the window, then shows a panel, chooses a folder,
/// collapses, resets or exits as the button says.
void command3Click(AppContext& context, int index);
}  // namespace PanelNavigation

}  // namespace corvane
