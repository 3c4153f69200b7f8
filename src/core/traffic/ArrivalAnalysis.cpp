#include "traffic/ArrivalAnalysis.h"

#include "app/AppContext.h"
#include "common/NumberText.h"
#include "common/TextColumns.h"
#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"
#include "traffic/AircraftLineScan.h"
#include "traffic/DepartureAnalysis.h"
#include "traffic/FlightPhase.h"
#include "traffic/FlightPlanDecoding.h"
#include "traffic/ParameterMessage.h"
#include "traffic/RouteDistance.h"
#include "traffic/SharedPlanFields.h"

namespace corvane {

ScanResult ArrivalAnalysis::analyse(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    state.LastAnalysedSide = TrafficSide::Arrival;
    w.cmdStarGen.enabled = true;
    const std::string callsign = state.SelectedArrivalCallsign;
    const ScanResult scan = AircraftLineScan::run(
        context, callsign, [&context](std::size_t index, const SnapshotLine& line) {
            processField(context, index, line);
        });
    if (scan.outcome == ScanOutcome::Unreadable) {
        return scan;
    }
    // Only a line of this aircraft with a filed plan gives a plan that a clearance may use.
    state.ArrivalPlan.reset();
    if (scan.missing()) {
        forgetAircraft(context);
    }
    if (scan.outcome == ScanOutcome::NoFlightPlan) {
        w.lblPosArr.text = "NO FLIGHT PLAN";
        return scan;
    }
    judge(context);
    if (scan.found) {
        state.ArrivalPlan = AnalysedPlan::capture(callsign, state.FlightPlan, w);
    }
    return scan;
}

void ArrivalAnalysis::processField(AppContext& context, std::size_t index,
                                   const SnapshotLine& line) {
    MainWindowModel& w = context.window;
    const std::string_view field = line.field(index);
    SharedPlanFields::apply(context, index, line);
    switch (index) {
        case snapshot::PositionNear:
            w.lblNearArr.text = field == "ZZZZ" ? std::string() : std::string(field);
            break;
        case snapshot::Altitude:
            w.LblAltArr.text = std::string(field);
            break;
        case snapshot::GroundSpeed:
            w.lblSpeedArr.text = std::string(field);
            break;
        case snapshot::CruiseSpeed:
            RouteDistance::distanceToDestination(context, line);
            SharedPlanFields::applyCruiseSpeed(context, field);
            arrivalTime(context);
            break;
        case snapshot::FlightRules:
            if (SharedPlanFields::applyFlightRules(context, field)) {
                showVfr(context);
            }
            break;
        case snapshot::Route:
            if (auto star = FlightPlanDecoding::expectedStar(field)) {
                w.lblExpStar.text = *star;
            }
            SharedPlanFields::applyRoute(context, field);
            break;
        case snapshot::Squawk:
            w.lblSqAss.text = std::string(field);
            if (TextColumns::left(w.lblSqAss.text, 4) == "0000") {
                w.lblSqAss.text.clear();
            }
            break;
        case snapshot::CtrArr:
            w.lblCtrArr.text = std::string(field);
            break;
        default:
            break;
    }
}

void ArrivalAnalysis::arrivalTime(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    if (w.Label1_11.text == w.Label1_13.text) {
        w.lblEndArrHr.text.clear();
        w.lblEndArrMn.text.clear();
        w.lblPosArr.text = "LOCAL FLIGHT";
        return;
    }
    state.PlanningSpeed =
        FlightPlanDecoding::planningSpeed(SharedPlanFields::labelNumber(w.LblFiledTas));
    // A negative speed is as unusable as none: it would give a negative flying time.
    if (state.PlanningSpeed <= 0.0) {
        for (Label* label : {&w.lblEndArrHr, &w.lblEndArrMn, &w.lblEAThR, &w.lblEATmn}) {
            label->text.clear();
        }
        return;
    }
    const FlyingTime time = FlightPlanDecoding::flyingTime(
        SharedPlanFields::labelNumber(w.lblDistanceArr), state.PlanningSpeed);
    w.lblEndArrHr.text = FlightPlanDecoding::clockDigits(time.hours);
    w.lblEndArrMn.text = FlightPlanDecoding::clockDigits(time.minutes);
    const ClockTime now = context.platform.localTime();
    w.lblEATmn.text = NumberText::format(now.minute + SharedPlanFields::labelNumber(w.lblEndArrMn));
    w.lblEAThR.text = NumberText::format(now.hour + SharedPlanFields::labelNumber(w.lblEndArrHr));
    if (SharedPlanFields::labelNumber(w.lblEATmn) >= 60.0) {
        w.lblEATmn.text = NumberText::format(SharedPlanFields::labelNumber(w.lblEATmn) - 60.0);
        w.lblEAThR.text = NumberText::format(SharedPlanFields::labelNumber(w.lblEAThR) + 1.0);
    }
    // An arrival after midnight is shown on the next day's clock.
    w.lblEAThR.text =
        std::to_string(static_cast<long long>(SharedPlanFields::labelNumber(w.lblEAThR)) % 24);
}

void ArrivalAnalysis::showVfr(AppContext& context) {
    MainWindowModel& w = context.window;
    w.lblExpStar.text = "VFR";
    w.lblIfrStar.text = DepartureAnalysis::kVfrClearance;
    w.txtStarAss.text = kNoStar;
    w.cmdStarGen.enabled = false;
}

void ArrivalAnalysis::forgetAircraft(AppContext& context) {
    MainWindowModel& w = context.window;
    for (Label* label : {&w.lblNearArr, &w.LblAltArr, &w.lblSpeedArr, &w.lblCallSign,
                         &w.lblDistanceArr, &w.lblEndArrHr, &w.lblEndArrMn, &w.lblEAThR,
                         &w.lblEATmn, &w.lblPosArr, &w.lblExpStar, &w.lblSqAss, &w.lblCtrArr}) {
        label->text.clear();
    }
}

void ArrivalAnalysis::judge(AppContext& context) {
    MainWindowModel& w = context.window;
    if (SharedPlanFields::labelNumber(w.LblAltArr) == 0.0 &&
        SharedPlanFields::labelNumber(w.lblSpeedArr) == 0.0) {
        w.lblNearArr.text.clear();
        ParameterMessage::show(ParameterMessage::problem(), w.lblParArr, w.Timer2);
        return;
    }
    const FlightFigures figures{
        SharedPlanFields::labelNumber(w.LblAltArr), SharedPlanFields::labelNumber(w.lblSpeedArr),
        SharedPlanFields::labelNumber(w.LblFiledAlt), SharedPlanFields::labelNumber(w.LblFiledTas),
        context.state.DistanceToGo};
    if (auto phase = FlightPhase::classify(figures)) {
        w.lblPosArr.text = *phase;
    }
    w.Timer2.enabled = true;
    ParameterMessage::show(ParameterMessage::arrival(w.lblPosArr.text, figures), w.lblParArr,
                           w.Timer2);
}

}  // namespace corvane
