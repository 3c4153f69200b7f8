#pragma once

namespace corvane {

class AppContext;
class FileSystem;
class MainWindowModel;
class ProgramFolder;
struct ProgramState;

/// Brings the window back to the not connected state.
namespace ConnectionReset {
/// `ResetConnection`: hides the panels, collapses the window, clears the station and both
/// panels, leaves only the operator name, the folder buttons and "EXIT" usable, and deletes
/// the clearance logs.
void resetConnection(AppContext& context);
/// `ClearStation`: the snapshot path, the operator name, the station fields and both panels.
void clearStation(MainWindowModel& window, ProgramState& state);
/// `ClearDeparturePanel`: the panel's fields, lists and squawk range, and its warning stops
/// blinking; the analysed aircraft keeps its plan record.
void clearDeparturePanel(MainWindowModel& window, ProgramState& state);
/// `ClearArrivalPanel`: as clearDeparturePanel() for the arrival panel.
void clearArrivalPanel(MainWindowModel& window, ProgramState& state);
/// Deletes the departure log, then the arrival log, each only when present.
void deleteClearanceLogs(FileSystem& files, const ProgramFolder& folder);
}  // namespace ConnectionReset

}  // namespace corvane
