#include "traffic/DepartureAnalysis.h"

#include "common/NumberText.h"
#include "snapshot/PilotReading.h"
#include "traffic/AircraftAnalysis.h"
#include "traffic/FlightPlanDecoding.h"
#include "traffic/RouteDistance.h"
#include "window/AppContext.h"

namespace corvane {

namespace {

void distanceAndFlyingTime(AppContext& context, const PilotReading& pilot) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    if (w.Label1_11.text == w.Label1_13.text) {
        w.LblEndDepHr.text.clear();
        w.lblEndDepMn.text.clear();
        w.lblPosDep.text = "LOCAL FLIGHT";
        return;
    }
    RouteDistance::totalRouteDistance(w, pilot);
    state.PlanningSpeed = FlightPlanDecoding::planningSpeed(w.LblFiledTas.shownNumber());
    // A negative speed is as unusable as none: it would give a negative flying time.
    if (state.PlanningSpeed <= 0.0) {
        w.LblEndDepHr.text.clear();
        w.lblEndDepMn.text.clear();
        return;
    }
    RouteDistance::distanceToDestination(w, state, pilot);
    w.lblRemainNm.text = NumberText::format(state.DistanceToGo);
    const FlyingTime time =
        FlightPlanDecoding::flyingTime(w.LblDistanceFP.shownNumber(), state.PlanningSpeed);
    w.LblEndDepHr.text = FlightPlanDecoding::clockDigits(time.hours);
    w.lblEndDepMn.text = FlightPlanDecoding::clockDigits(time.minutes);
}

void ownWork(AppContext& context, const PilotReading& pilot) {
    distanceAndFlyingTime(context, pilot);
    context.window.lblCtrDep.text = pilot.departureCentre;
}

bool unusable(MainWindowModel& w) {
    // The distance still to fly is never shown above the whole route's.
    if (w.lblRemainNm.shownNumber() > w.LblDistanceFP.shownNumber()) {
        w.lblRemainNm.text = w.LblDistanceFP.text;
    }
    return w.lblCurrentAlt.text.empty();
}

}  // namespace

ScanResult DepartureAnalysis::analyse(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    return AircraftAnalysis::analyse(
        context, {.kind = TrafficSide::Departure,
                  .selected = state.SelectedDepartureCallsign,
                  .plan = state.DeparturePlan,
                  .withoutPlan = state.DepartureWithoutPlan,
                  .near = w.lblNear,
                  .altitude = w.lblCurrentAlt,
                  .speed = w.lblCurrentSpeed,
                  .phase = w.lblPosDep,
                  .expected = w.LblExpSid,
                  .clearance = w.LblIfrSid,
                  .assigned = w.txtSidAss,
                  .generate = w.cmdSidGen,
                  .message = w.lblParam,
                  .timer = w.Timer1,
                  .noProcedure = "NO SID AVAILABLE FLIGHT VFR",
                  .expectedProcedure = &FlightPlanDecoding::expectedSid,
                  .ownWork = &ownWork,
                  .unusable = &unusable,
                  .advice = &ParameterMessage::departure,
                  .otherLabels = {&w.Label1_11, &w.Label1_13, &w.LblFiledAlt, &w.LblFiledTas,
                                  &w.LblDistanceFP, &w.lblRemainNm, &w.LblEndDepHr, &w.lblEndDepMn,
                                  &w.lblCtrDep}});
}

}  // namespace corvane
