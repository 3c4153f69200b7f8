#pragma once

namespace corvane {

class AppContext;

/// The buttons of the top strip (`Command3(0)` to `Command3(9)`): each expands the window, then
/// shows a panel, chooses a folder, collapses, resets or exits.
namespace PanelNavigation {
void openAtisPanel(AppContext& context);
void openDeparturePanel(AppContext& context);
/// Also shows the next squawk code in the arrival panel.
void openArrivalPanel(AppContext& context);
void chooseProcedureFolder(AppContext& context);
void chooseDataFolder(AppContext& context);
/// The panel keeps its visibility but lies outside the collapsed window.
void collapse(AppContext& context);
void resetConnection(AppContext& context);
void exit(AppContext& context);
}  // namespace PanelNavigation

}  // namespace corvane
