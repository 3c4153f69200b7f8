#include "traffic/RouteDistance.h"

#include "app/AppContext.h"
#include "common/NumberText.h"
#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"
#include "traffic/GreatCircle.h"

namespace corvane {

namespace {

double coordinate(const SnapshotLine& line, snapshot::Field field) {
    return NumberText::leading(line.field(field));
}

}  // namespace

void RouteDistance::totalRouteDistance(AppContext& context, const SnapshotLine& line) {
    const double nm = GreatCircle::distanceNm(
        coordinate(line, snapshot::DepLat), coordinate(line, snapshot::DepLon),
        coordinate(line, snapshot::DestLat), coordinate(line, snapshot::DestLon));
    context.window.LblDistanceFP.text = NumberText::format(nm);
}

void RouteDistance::distanceToDestination(AppContext& context, const SnapshotLine& line) {
    ProgramState& state = context.state;
    MainWindowModel& w = context.window;
    state.DistanceToGo = GreatCircle::distanceNm(
        coordinate(line, snapshot::Latitude), coordinate(line, snapshot::Longitude),
        coordinate(line, snapshot::DestLat), coordinate(line, snapshot::DestLon));
    w.lblCallSign.text = w.Label1_13.text;
    w.lblDistanceArr.text = NumberText::format(state.DistanceToGo);
}

}  // namespace corvane
