#include "traffic/AircraftAnalysis.h"

#include "common/NumberText.h"
#include "common/TextColumns.h"
#include "snapshot/PilotReading.h"
#include "traffic/FlightPhase.h"
#include "traffic/FlightPlanDecoding.h"
#include "window/AppContext.h"
#include "window/TrafficPanelPresenter.h"

namespace corvane {

namespace {

void setTime(std::string& target, std::string_view filed) {
    if (auto time = FlightPlanDecoding::time(filed)) {
        target = *time;
    }
}

// The flight plan record and the filed figures the departure aerodrome, level and speed of the
// record are read from.
void fillPlan(AnalysedAircraft& aircraft, const PilotReading& pilot) {
    FlightPlanRecord& plan = aircraft.record;
    plan.PilotInCommand = pilot.pilotName;
    plan.AircraftType = pilot.aircraftType;
    plan.Equipment = pilot.equipment;
    aircraft.filedDeparture = pilot.departure.code;
    plan.depAerodromeLinked = true;
    aircraft.filedDestination = pilot.destination.code;
    plan.Destination = pilot.destination.code;
    plan.Alternate = pilot.alternate;
    plan.Alternate2 = pilot.alternate2;
    aircraft.filedLevel = FlightPlanDecoding::cruisingLevel(pilot.cruiseLevel);
    plan.levelLinked = true;
    aircraft.filedSpeed = FlightPlanDecoding::cruisingSpeed(pilot.cruiseSpeed);
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
    AnalysedAircraft& aircraft = side.aircraft;
    fillPlan(aircraft, pilot);
    aircraft.nearAerodrome = pilot.nearAerodrome;
    aircraft.altitude = pilot.altitude;
    aircraft.groundSpeed = pilot.groundSpeed;
    side.ownWork(aircraft, pilot, context.platform.localTime());
    if (pilot.vfr()) {
        aircraft.expectedProcedure = "VFR";
        side.clearance = {AircraftAnalysis::kVfrClearance, side.noProcedure};
        side.panel.generate.enabled = false;
    }
    if (auto procedure = side.expectedProcedure(pilot.route)) {
        aircraft.expectedProcedure = *procedure;
    }
}

void judge(const AnalysisSide& side) {
    AnalysedAircraft& aircraft = side.aircraft;
    if (side.unusable(aircraft)) {
        aircraft.nearAerodrome.clear();
        aircraft.message = ParameterMessage::problem();
        return;
    }
    // The rules take each figure as the controller reads it on the panel.
    const FlightFigures figures{NumberText::leading(aircraft.altitude),
                                NumberText::leading(aircraft.groundSpeed),
                                NumberText::leading(aircraft.filedLevel),
                                NumberText::leading(aircraft.filedSpeed), aircraft.distanceToGoNm};
    if (auto phase = FlightPhase::classify(figures)) {
        aircraft.phase = *phase;
    }
    aircraft.message = side.advice(aircraft.phase, figures);
}

}  // namespace

void AircraftAnalysis::apply(AppContext& context, const AnalysisSide& side,
                             const ScanResult& scan) {
    context.state.LastAnalysedSide = side.kind;
    side.panel.generate.enabled = true;
    if (scan.found) {
        // Always the aircraft's own category, never one left by the aircraft analysed before.
        side.aircraft.record.WakeCategory = scan.wakeCategory;
    }
    if (scan.reading && scan.outcome != ScanOutcome::NoFlightPlan) {
        fill(context, side, *scan.reading);
    }
    // Only a line of this aircraft with a filed plan gives a plan that a clearance may use.
    side.plan.reset();
    side.withoutPlan = scan.outcome == ScanOutcome::NoFlightPlan ? side.selected : std::string();
    // Without a line, or with a line that files no plan, nothing the panel shows is this
    // aircraft's but its airline, which comes from the callsign: the figures of the aircraft
    // shown before go.
    if (scan.missing() || scan.outcome == ScanOutcome::NoFlightPlan) {
        side.aircraft.clearFiguresBut({&AnalysedAircraft::airline});
    }
    if (scan.outcome == ScanOutcome::NoFlightPlan) {
        side.aircraft.phase = "NO FLIGHT PLAN";
    } else {
        judge(side);
        if (scan.found) {
            side.plan = AnalysedPlan::capture(side.selected, side.aircraft);
            side.plan->Line = scan.line;
        }
    }
    TrafficPanelPresenter::present(side.kind, context.state, context.window);
}

ScanResult AircraftAnalysis::analyse(AppContext& context, const AnalysisSide& side) {
    ScanResult scan =
        AircraftLineScan::run(context.platform, context.state.SnapshotPath, side.selected);
    if (scan.outcome == ScanOutcome::Unreadable) {
        context.state.LastAnalysedSide = side.kind;
        side.panel.generate.enabled = true;
        TrafficPanelPresenter::present(side.kind, context.state, context.window);
        return scan;
    }
    apply(context, side, scan);
    return scan;
}

}  // namespace corvane
