#pragma once

namespace corvane {

class AppContext;

/// Brings the window back to the not connected state.
namespace ConnectionReset {
/// `ResetConnection`: hides the panels, collapses the window, clears the station and both
/// panels, leaves only the operator name, the folder buttons and "EXIT" usable, and deletes
/// the clearance logs.
void resetConnection(AppContext& context);
/// `ClearStation`: the snapshot path, the operator name, the station fields and both panels.
void clearStation(AppContext& context);
/// `ClearDeparturePanel`.
void clearDeparturePanel(AppContext& context);
/// `ClearArrivalPanel`.
void clearArrivalPanel(AppContext& context);
/// Deletes the departure log, then the arrival log, each only when present.
void deleteClearanceLogs(AppContext& context);
}  // namespace ConnectionReset

}  // namespace corvane
