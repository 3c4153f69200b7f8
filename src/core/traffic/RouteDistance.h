#pragma once

namespace corvane {

class MainWindowModel;
struct ProgramState;
struct PilotReading;

/// The two distances an aircraft analysis shows, taken from the aircraft's snapshot line.
namespace RouteDistance {
/// `TotalRouteDistance`: departure to destination aerodrome, written to LblDistanceFP.
void totalRouteDistance(MainWindowModel& window, const PilotReading& pilot);
/// `DistanceToDestination`: present position to destination aerodrome. Sets DistanceToGo,
/// shows the destination label's code in lblCallSign and the distance in lblDistanceArr.
void distanceToDestination(MainWindowModel& window, ProgramState& state, const PilotReading& pilot);
}  // namespace RouteDistance

}  // namespace corvane
