#include "traffic/RouteDistance.h"

#include "window/AppContext.h"
#include "common/NumberText.h"
#include "snapshot/PilotReading.h"
#include "traffic/GreatCircle.h"

namespace corvane {

namespace {

double distanceNm(const Coordinates& from, const Coordinates& to) {
    return GreatCircle::distanceNm(from.latitude, from.longitude, to.latitude, to.longitude);
}

}  // namespace

void RouteDistance::totalRouteDistance(AppContext& context, const PilotReading& pilot) {
    const double nm = distanceNm(pilot.departure.position, pilot.destination.position);
    context.window.LblDistanceFP.text = NumberText::format(nm);
}

void RouteDistance::distanceToDestination(AppContext& context, const PilotReading& pilot) {
    ProgramState& state = context.state;
    MainWindowModel& w = context.window;
    state.DistanceToGo = distanceNm(pilot.position, pilot.destination.position);
    w.lblCallSign.text = w.Label1_13.text;
    w.lblDistanceArr.text = NumberText::format(state.DistanceToGo);
}

}  // namespace corvane
