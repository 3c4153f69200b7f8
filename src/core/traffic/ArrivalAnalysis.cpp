#include "traffic/ArrivalAnalysis.h"

#include <string>

#include "common/NumberText.h"
#include "common/TextColumns.h"
#include "snapshot/PilotReading.h"
#include "traffic/AircraftAnalysis.h"
#include "traffic/FlightPlanDecoding.h"
#include "traffic/RouteDistance.h"
#include "window/AppContext.h"

namespace corvane {

namespace {

void arrivalTime(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    if (w.Label1_11.text == w.Label1_13.text) {
        w.lblEndArrHr.text.clear();
        w.lblEndArrMn.text.clear();
        w.lblPosArr.text = "LOCAL FLIGHT";
        return;
    }
    state.PlanningSpeed = FlightPlanDecoding::planningSpeed(w.LblFiledTas.shownNumber());
    // A negative speed is as unusable as none: it would give a negative flying time.
    if (state.PlanningSpeed <= 0.0) {
        for (Label* label : {&w.lblEndArrHr, &w.lblEndArrMn, &w.lblEAThR, &w.lblEATmn}) {
            label->text.clear();
        }
        return;
    }
    const FlyingTime time =
        FlightPlanDecoding::flyingTime(w.lblDistanceArr.shownNumber(), state.PlanningSpeed);
    w.lblEndArrHr.text = FlightPlanDecoding::clockDigits(time.hours);
    w.lblEndArrMn.text = FlightPlanDecoding::clockDigits(time.minutes);
    const ClockTime now = context.platform.localTime();
    w.lblEATmn.text = NumberText::format(now.minute + w.lblEndArrMn.shownNumber());
    w.lblEAThR.text = NumberText::format(now.hour + w.lblEndArrHr.shownNumber());
    if (w.lblEATmn.shownNumber() >= 60.0) {
        w.lblEATmn.text = NumberText::format(w.lblEATmn.shownNumber() - 60.0);
        w.lblEAThR.text = NumberText::format(w.lblEAThR.shownNumber() + 1.0);
    }
    // An arrival after midnight is shown on the next day's clock.
    w.lblEAThR.text = std::to_string(static_cast<long long>(w.lblEAThR.shownNumber()) % 24);
}

void ownWork(AppContext& context, const PilotReading& pilot) {
    MainWindowModel& w = context.window;
    RouteDistance::distanceToDestination(w, context.state, pilot);
    arrivalTime(context);
    w.lblSqAss.text = pilot.squawk;
    if (TextColumns::left(w.lblSqAss.text, 4) == "0000") {
        w.lblSqAss.text.clear();
    }
    w.lblCtrArr.text = pilot.arrivalCentre;
}

bool unusable(MainWindowModel& w) {
    return w.LblAltArr.shownNumber() == 0.0 && w.lblSpeedArr.shownNumber() == 0.0;
}

}  // namespace

ScanResult ArrivalAnalysis::analyse(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    return AircraftAnalysis::analyse(
        context, {.kind = TrafficSide::Arrival,
                  .selected = state.SelectedArrivalCallsign,
                  .plan = state.ArrivalPlan,
                  .withoutPlan = state.ArrivalWithoutPlan,
                  .near = w.lblNearArr,
                  .altitude = w.LblAltArr,
                  .speed = w.lblSpeedArr,
                  .phase = w.lblPosArr,
                  .expected = w.lblExpStar,
                  .clearance = w.lblIfrStar,
                  .assigned = w.txtStarAss,
                  .generate = w.cmdStarGen,
                  .message = w.lblParArr,
                  .timer = w.Timer2,
                  .noProcedure = "NO STAR AVAILABLE VFR FLIGHT",
                  .expectedProcedure = &FlightPlanDecoding::expectedStar,
                  .ownWork = &ownWork,
                  .unusable = &unusable,
                  .advice = &ParameterMessage::arrival,
                  .otherLabels = {&w.lblCallSign, &w.lblDistanceArr, &w.lblEndArrHr, &w.lblEndArrMn,
                                  &w.lblEAThR, &w.lblEATmn, &w.lblSqAss, &w.lblCtrArr}});
}

}  // namespace corvane
