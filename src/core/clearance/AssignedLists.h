#pragma once

namespace corvane {

class AppContext;
class MainWindowModel;
class Platform;

/// The lists of aircraft that hold a clearance, `List1` (departures) and `List2` (arrivals): a
/// click selects the aircraft again and shows its logged clearance; the remove buttons take it
/// off the list after a confirmation.
namespace AssignedLists {
/// Click on an entry of `List1`.
void departureClicked(AppContext& context);
/// Click on an entry of `List2`.
void arrivalClicked(AppContext& context);
/// Click on `cmdRemoveDep`.
void removeDeparture(MainWindowModel& window, Platform& platform);
/// Click on `cmdRemoveArr`.
void removeArrival(MainWindowModel& window, Platform& platform);
}  // namespace AssignedLists

}  // namespace corvane
