#pragma once

namespace corvane {

class AppContext;
enum class TrafficSide;

/// The lists of aircraft that hold a clearance, `List1` (departures) and `List2` (arrivals): a
/// click selects the aircraft again and shows its logged clearance; the remove buttons take it
/// off the list after a confirmation.
namespace AssignedLists {
/// Click on an entry of `List1` or `List2`.
void clicked(AppContext& context, TrafficSide side);
/// Click on `cmdRemoveDep` or `cmdRemoveArr`.
void remove(AppContext& context, TrafficSide side);
}  // namespace AssignedLists

}  // namespace corvane
