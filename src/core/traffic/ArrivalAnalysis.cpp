#include "traffic/ArrivalAnalysis.h"

#include <string>

#include "common/NumberText.h"
#include "common/TextColumns.h"
#include "snapshot/PilotReading.h"
#include "traffic/AircraftAnalysis.h"
#include "traffic/FlightPlanDecoding.h"
#include "traffic/RouteDistance.h"
#include "window/AppContext.h"
#include "window/TrafficPanelPresenter.h"

namespace corvane {

namespace {

void arrivalTime(AnalysedAircraft& a, const ClockTime& now) {
    if (a.filedDeparture == a.filedDestination) {
        a.flyingHours.clear();
        a.flyingMinutes.clear();
        a.phase = "LOCAL FLIGHT";
        return;
    }
    a.planningSpeed = FlightPlanDecoding::planningSpeed(NumberText::leading(a.filedSpeed));
    // A negative speed is as unusable as none: it would give a negative flying time.
    if (a.planningSpeed <= 0.0) {
        for (std::string* figure :
             {&a.flyingHours, &a.flyingMinutes, &a.arrivalHour, &a.arrivalMinute}) {
            figure->clear();
        }
        return;
    }
    const FlyingTime time =
        FlightPlanDecoding::flyingTime(NumberText::leading(a.distanceToGo), a.planningSpeed);
    a.flyingHours = FlightPlanDecoding::clockDigits(time.hours);
    a.flyingMinutes = FlightPlanDecoding::clockDigits(time.minutes);
    // Each step is taken on the figures as shown, as the controller would add them up.
    a.arrivalMinute = NumberText::format(now.minute + NumberText::leading(a.flyingMinutes));
    a.arrivalHour = NumberText::format(now.hour + NumberText::leading(a.flyingHours));
    if (NumberText::leading(a.arrivalMinute) >= 60.0) {
        a.arrivalMinute = NumberText::format(NumberText::leading(a.arrivalMinute) - 60.0);
        a.arrivalHour = NumberText::format(NumberText::leading(a.arrivalHour) + 1.0);
    }
    // An arrival after midnight is shown on the next day's clock.
    a.arrivalHour = std::to_string(static_cast<long long>(NumberText::leading(a.arrivalHour)) % 24);
}

void ownWork(AnalysedAircraft& a, const PilotReading& pilot, const ClockTime& now) {
    a.distanceToGoNm = RouteDistance::distanceToDestination(pilot);
    a.distanceToGo = NumberText::format(a.distanceToGoNm);
    arrivalTime(a, now);
    a.squawk = pilot.squawk;
    if (TextColumns::left(a.squawk, 4) == "0000") {
        a.squawk.clear();
    }
    a.centre = pilot.arrivalCentre;
}

bool unusable(AnalysedAircraft& a) {
    return NumberText::leading(a.altitude) == 0.0 && NumberText::leading(a.groundSpeed) == 0.0;
}

AnalysisSide side(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    return {.kind = TrafficSide::Arrival,
            .selected = state.SelectedArrivalCallsign,
            .aircraft = state.ArrivalAircraft,
            .plan = state.ArrivalPlan,
            .withoutPlan = state.ArrivalWithoutPlan,
            .clearance = state.ArrivalClearanceTexts,
            .panel = w.arrival,
            .noProcedure = "NO STAR AVAILABLE VFR FLIGHT",
            .expectedProcedure = &FlightPlanDecoding::expectedStar,
            .ownWork = &ownWork,
            .unusable = &unusable,
            .advice = &ParameterMessage::arrival};
}

}  // namespace

ScanResult ArrivalAnalysis::analyse(AppContext& context) {
    return AircraftAnalysis::analyse(context, side(context));
}

void ArrivalAnalysis::apply(AppContext& context, const ScanResult& scan) {
    AircraftAnalysis::apply(context, side(context), scan);
}

}  // namespace corvane
