#include "traffic/DepartureAnalysis.h"

#include "common/NumberText.h"
#include "snapshot/PilotReading.h"
#include "traffic/AircraftAnalysis.h"
#include "traffic/FlightPlanDecoding.h"
#include "traffic/RouteDistance.h"
#include "window/AppContext.h"
#include "window/TrafficPanelPresenter.h"

namespace corvane {

namespace {

void distanceAndFlyingTime(AnalysedAircraft& a, const PilotReading& pilot) {
    if (a.filedDeparture == a.filedDestination) {
        a.flyingHours.clear();
        a.flyingMinutes.clear();
        a.phase = "LOCAL FLIGHT";
        return;
    }
    a.routeDistance = NumberText::format(RouteDistance::totalRouteDistance(pilot));
    a.planningSpeed = FlightPlanDecoding::planningSpeed(NumberText::leading(a.filedSpeed));
    // A negative speed is as unusable as none: it would give a negative flying time.
    if (a.planningSpeed <= 0.0) {
        a.flyingHours.clear();
        a.flyingMinutes.clear();
        return;
    }
    a.distanceToGoNm = RouteDistance::distanceToDestination(pilot);
    a.distanceToGo = NumberText::format(a.distanceToGoNm);
    const FlyingTime time =
        FlightPlanDecoding::flyingTime(NumberText::leading(a.routeDistance), a.planningSpeed);
    a.flyingHours = FlightPlanDecoding::clockDigits(time.hours);
    a.flyingMinutes = FlightPlanDecoding::clockDigits(time.minutes);
}

void ownWork(AnalysedAircraft& aircraft, const PilotReading& pilot, const ClockTime& /*now*/) {
    distanceAndFlyingTime(aircraft, pilot);
    aircraft.centre = pilot.departureCentre;
}

bool unusable(AnalysedAircraft& a) {
    // The distance still to fly is never shown above the whole route's.
    if (NumberText::leading(a.distanceToGo) > NumberText::leading(a.routeDistance)) {
        a.distanceToGo = a.routeDistance;
    }
    return a.altitude.empty();
}

AnalysisSide side(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    return {.kind = TrafficSide::Departure,
            .selected = state.SelectedDepartureCallsign,
            .aircraft = state.DepartureAircraft,
            .plan = state.DeparturePlan,
            .withoutPlan = state.DepartureWithoutPlan,
            .clearance = state.DepartureClearanceTexts,
            .panel = w.departure,
            .noProcedure = "NO SID AVAILABLE FLIGHT VFR",
            .expectedProcedure = &FlightPlanDecoding::expectedSid,
            .ownWork = &ownWork,
            .unusable = &unusable,
            .advice = &ParameterMessage::departure};
}

}  // namespace

ScanResult DepartureAnalysis::analyse(AppContext& context) {
    return AircraftAnalysis::analyse(context, side(context));
}

void DepartureAnalysis::apply(AppContext& context, const ScanResult& scan) {
    AircraftAnalysis::apply(context, side(context), scan);
}

}  // namespace corvane
