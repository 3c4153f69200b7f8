#pragma once

namespace corvane {

struct PilotReading;

/// The two distances an aircraft analysis shows, taken from the aircraft's snapshot line, in NM.
namespace RouteDistance {
/// `TotalRouteDistance`: departure to destination aerodrome.
double totalRouteDistance(const PilotReading& pilot);
/// `DistanceToDestination`: present position to destination aerodrome.
double distanceToDestination(const PilotReading& pilot);
}  // namespace RouteDistance

}  // namespace corvane
