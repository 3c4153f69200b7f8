#include "traffic/RouteDistance.h"

#include "common/GreatCircle.h"
#include "common/NumberText.h"
#include "snapshot/PilotReading.h"
#include "window/MainWindowModel.h"
#include "window/ProgramState.h"

namespace corvane {

namespace {

double distanceNm(const Coordinates& from, const Coordinates& to) {
    return GreatCircle::distanceNm(from.latitude, from.longitude, to.latitude, to.longitude);
}

}  // namespace

void RouteDistance::totalRouteDistance(MainWindowModel& window, const PilotReading& pilot) {
    const double nm = distanceNm(pilot.departure.position, pilot.destination.position);
    window.LblDistanceFP.text = NumberText::format(nm);
}

void RouteDistance::distanceToDestination(MainWindowModel& w, ProgramState& state,
                                          const PilotReading& pilot) {
    state.DistanceToGo = distanceNm(pilot.position, pilot.destination.position);
    w.lblCallSign.text = w.Label1_13.text;
    w.lblDistanceArr.text = NumberText::format(state.DistanceToGo);
}

}  // namespace corvane
