#include "traffic/RouteDistance.h"

#include "common/GreatCircle.h"
#include "snapshot/PilotReading.h"

namespace corvane {

namespace {

double distanceNm(const Coordinates& from, const Coordinates& to) {
    return GreatCircle::distanceNm(from.latitude, from.longitude, to.latitude, to.longitude);
}

}  // namespace

double RouteDistance::totalRouteDistance(const PilotReading& pilot) {
    return distanceNm(pilot.departure.position, pilot.destination.position);
}

double RouteDistance::distanceToDestination(const PilotReading& pilot) {
    return distanceNm(pilot.position, pilot.destination.position);
}

}  // namespace corvane
