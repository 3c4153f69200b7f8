#include "traffic/AircraftAnalysis.h"

#include "common/TextColumns.h"
#include "snapshot/PilotReading.h"
#include "traffic/FlightPhase.h"
#include "traffic/FlightPlanDecoding.h"
#include "window/AppContext.h"

namespace corvane {

namespace {

void setTime(std::string& target, std::string_view filed) {
    if (auto time = FlightPlanDecoding::time(filed)) {
        target = *time;
    }
}

// The flight plan record and the labels both panels share: Label1(11), Label1(13), LblFiledAlt
// and LblFiledTas, with the three fields linked to them.
void fillPlan(AppContext& context, const PilotReading& pilot) {
    FlightPlanRecord& plan = context.state.FlightPlan;
    MainWindowModel& w = context.window;
    plan.PilotInCommand = pilot.pilotName;
    plan.AircraftType = pilot.aircraftType;
    plan.Equipment = pilot.equipment;
    w.Label1_11.text = pilot.departure.code;
    plan.depAerodromeLinked = true;
    w.Label1_13.text = pilot.destination.code;
    plan.Destination = pilot.destination.code;
    plan.Alternate = pilot.alternate;
    plan.Alternate2 = pilot.alternate2;
    w.LblFiledAlt.text = FlightPlanDecoding::cruisingLevel(pilot.cruiseLevel);
    plan.levelLinked = true;
    w.LblFiledTas.text = FlightPlanDecoding::cruisingSpeed(pilot.cruiseSpeed);
    plan.cruiseSpeedLinked = true;
    plan.FlightRules = pilot.flightRules;
    setTime(plan.DepTime, pilot.departureTime);
    setTime(plan.TotalEet, pilot.totalEet);
    setTime(plan.Endurance, pilot.endurance);
    // A route of 3 characters ("DCT") is no route: the one filed before stays.
    if (TextColumns::length(pilot.route) != 3) {
        plan.Route = pilot.route;
    }
    plan.OtherInfo = pilot.remarks;
    plan.PersonsOnBoard = pilot.personsOnBoard;
    plan.FlightType = pilot.flightType;
}

void fill(AppContext& context, const AnalysisSide& side, const PilotReading& pilot) {
    fillPlan(context, pilot);
    side.near.text = pilot.nearAerodrome;
    side.altitude.text = pilot.altitude;
    side.speed.text = pilot.groundSpeed;
    side.ownWork(context, pilot);
    if (pilot.vfr()) {
        side.expected.text = "VFR";
        side.clearance.text = AircraftAnalysis::kVfrClearance;
        side.assigned.text = side.noProcedure;
        side.generate.enabled = false;
    }
    if (auto procedure = side.expectedProcedure(pilot.route)) {
        side.expected.text = *procedure;
    }
}

void judge(AppContext& context, const AnalysisSide& side) {
    const MainWindowModel& w = context.window;
    if (side.unusable(context.window)) {
        side.near.text.clear();
        ParameterMessage::show(ParameterMessage::problem(), side.message, side.timer);
        return;
    }
    const FlightFigures figures{side.altitude.shownNumber(), side.speed.shownNumber(),
                                w.LblFiledAlt.shownNumber(), w.LblFiledTas.shownNumber(),
                                context.state.DistanceToGo};
    if (auto phase = FlightPhase::classify(figures)) {
        side.phase.text = *phase;
    }
    ParameterMessage::show(side.advice(side.phase.text, figures), side.message, side.timer);
}

}  // namespace

ScanResult AircraftAnalysis::analyse(AppContext& context, const AnalysisSide& side) {
    ProgramState& state = context.state;
    state.LastAnalysedSide = side.kind;
    side.generate.enabled = true;
    const std::string callsign = side.selected;
    const ScanResult scan =
        AircraftLineScan::run(state, context.platform, callsign,
                              [&](const PilotReading& pilot) { fill(context, side, pilot); });
    if (scan.outcome == ScanOutcome::Unreadable) {
        return scan;
    }
    // Only a line of this aircraft with a filed plan gives a plan that a clearance may use.
    side.plan.reset();
    side.withoutPlan = scan.outcome == ScanOutcome::NoFlightPlan ? callsign : std::string();
    if (scan.missing()) {
        for (Label* label :
             {&side.near, &side.altitude, &side.speed, &side.phase, &side.expected}) {
            label->text.clear();
        }
        for (Label* label : side.otherLabels) {
            label->text.clear();
        }
    }
    if (scan.outcome == ScanOutcome::NoFlightPlan) {
        side.phase.text = "NO FLIGHT PLAN";
        return scan;
    }
    judge(context, side);
    if (scan.found) {
        side.plan = AnalysedPlan::capture(callsign, state.FlightPlan, context.window);
        side.plan->Line = scan.line;
    }
    return scan;
}

}  // namespace corvane
