#include "traffic/DepartureAnalysis.h"

#include "app/AppContext.h"
#include "common/NumberText.h"
#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"
#include "traffic/AircraftLineScan.h"
#include "traffic/FlightPhase.h"
#include "traffic/FlightPlanDecoding.h"
#include "traffic/ParameterMessage.h"
#include "traffic/RouteDistance.h"
#include "traffic/SharedPlanFields.h"

namespace corvane {

ScanResult DepartureAnalysis::analyse(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    state.LastAnalysedSide = TrafficSide::Departure;
    w.cmdSidGen.enabled = true;
    const std::string callsign = state.SelectedDepartureCallsign;
    const ScanResult scan = AircraftLineScan::run(
        context, callsign, [&context](std::size_t index, const SnapshotLine& line) {
            processField(context, index, line);
        });
    if (scan.outcome == ScanOutcome::Unreadable) {
        return scan;
    }
    // Only a line of this aircraft with a filed plan gives a plan that a clearance may use.
    state.DeparturePlan.reset();
    if (scan.missing()) {
        forgetAircraft(context);
    }
    if (scan.outcome == ScanOutcome::NoFlightPlan) {
        w.lblPosDep.text = "NO FLIGHT PLAN";
        return scan;
    }
    judge(context);
    if (scan.found) {
        state.DeparturePlan = AnalysedPlan::capture(callsign, state.FlightPlan, w);
    }
    return scan;
}

void DepartureAnalysis::processField(AppContext& context, std::size_t index,
                                     const SnapshotLine& line) {
    MainWindowModel& w = context.window;
    const std::string_view field = line.field(index);
    SharedPlanFields::apply(context, index, line);
    switch (index) {
        case snapshot::PositionNear:
            w.lblNear.text = field == "ZZZZ" ? std::string() : std::string(field);
            break;
        case snapshot::Altitude:
            w.lblCurrentAlt.text = std::string(field);
            break;
        case snapshot::GroundSpeed:
            w.lblCurrentSpeed.text = std::string(field);
            break;
        case snapshot::CruiseSpeed:
            SharedPlanFields::applyCruiseSpeed(context, field);
            distanceAndFlyingTime(context, line);
            break;
        case snapshot::FlightRules:
            if (SharedPlanFields::applyFlightRules(context, field)) {
                showVfr(context);
            }
            break;
        case snapshot::Route:
            if (auto sid = FlightPlanDecoding::expectedSid(field)) {
                w.LblExpSid.text = *sid;
            }
            SharedPlanFields::applyRoute(context, field);
            break;
        case snapshot::CtrDep:
            w.lblCtrDep.text = std::string(field);
            break;
        default:
            break;
    }
}

void DepartureAnalysis::distanceAndFlyingTime(AppContext& context, const SnapshotLine& line) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    if (w.Label1_11.text == w.Label1_13.text) {
        w.LblEndDepHr.text.clear();
        w.lblEndDepMn.text.clear();
        w.lblPosDep.text = "LOCAL FLIGHT";
        return;
    }
    RouteDistance::totalRouteDistance(context, line);
    state.PlanningSpeed =
        FlightPlanDecoding::planningSpeed(SharedPlanFields::labelNumber(w.LblFiledTas));
    // A negative speed is as unusable as none: it would give a negative flying time.
    if (state.PlanningSpeed <= 0.0) {
        w.LblEndDepHr.text.clear();
        w.lblEndDepMn.text.clear();
        return;
    }
    RouteDistance::distanceToDestination(context, line);
    w.lblRemainNm.text = NumberText::format(state.DistanceToGo);
    const FlyingTime time = FlightPlanDecoding::flyingTime(
        SharedPlanFields::labelNumber(w.LblDistanceFP), state.PlanningSpeed);
    w.LblEndDepHr.text = FlightPlanDecoding::clockDigits(time.hours);
    w.lblEndDepMn.text = FlightPlanDecoding::clockDigits(time.minutes);
}

void DepartureAnalysis::showVfr(AppContext& context) {
    MainWindowModel& w = context.window;
    w.LblExpSid.text = "VFR";
    w.LblIfrSid.text = kVfrClearance;
    w.txtSidAss.text = kNoSid;
    w.cmdSidGen.enabled = false;
}

void DepartureAnalysis::forgetAircraft(AppContext& context) {
    MainWindowModel& w = context.window;
    for (Label* label :
         {&w.lblNear, &w.lblCurrentAlt, &w.lblCurrentSpeed, &w.Label1_11, &w.Label1_13,
          &w.LblFiledAlt, &w.LblFiledTas, &w.LblDistanceFP, &w.lblRemainNm, &w.LblEndDepHr,
          &w.lblEndDepMn, &w.lblPosDep, &w.LblExpSid, &w.lblCtrDep}) {
        label->text.clear();
    }
}

void DepartureAnalysis::judge(AppContext& context) {
    MainWindowModel& w = context.window;
    if (SharedPlanFields::labelNumber(w.lblRemainNm) >
        SharedPlanFields::labelNumber(w.LblDistanceFP)) {
        w.lblRemainNm.text = w.LblDistanceFP.text;
    }
    if (w.lblCurrentAlt.text.empty()) {
        w.lblNear.text.clear();
        ParameterMessage::show(ParameterMessage::problem(), w.lblParam, w.Timer1);
        return;
    }
    const FlightFigures figures{SharedPlanFields::labelNumber(w.lblCurrentAlt),
                                SharedPlanFields::labelNumber(w.lblCurrentSpeed),
                                SharedPlanFields::labelNumber(w.LblFiledAlt),
                                SharedPlanFields::labelNumber(w.LblFiledTas),
                                context.state.DistanceToGo};
    if (auto phase = FlightPhase::classify(figures)) {
        w.lblPosDep.text = *phase;
    }
    ParameterMessage::show(ParameterMessage::departure(w.lblPosDep.text, figures), w.lblParam,
                           w.Timer1);
}

}  // namespace corvane
