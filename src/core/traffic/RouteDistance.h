#pragma once

namespace corvane {

class AppContext;
struct PilotReading;

/// The two distances an aircraft analysis shows, taken from the aircraft's snapshot line.
class RouteDistance {
public:
    /// `TotalRouteDistance`: departure to destination aerodrome, written to LblDistanceFP.
    static void totalRouteDistance(AppContext& context, const PilotReading& pilot);
    /// `DistanceToDestination`: present position to destination aerodrome. Sets DistanceToGo,
    /// shows the destination label's code in lblCallSign and the distance in lblDistanceArr.
    static void distanceToDestination(AppContext& context, const PilotReading& pilot);
};

}  // namespace corvane
