#include "window/TrafficPanelPresenter.h"

#include "window/ProgramState.h"

namespace corvane {

namespace {

using M = MainWindowModel;
using A = AnalysedAircraft;

constexpr TrafficPanelPresenter::Field kDeparture[] = {
    {&M::lblCompanyDep, &A::airline},
    {&M::lblNear, &A::nearAerodrome},
    {&M::lblCurrentAlt, &A::altitude},
    {&M::lblCurrentSpeed, &A::groundSpeed},
    {&M::lblPosDep, &A::phase},
    {&M::LblExpSid, &A::expectedProcedure},
    {&M::lblCtrDep, &A::centre},
    {&M::Label1_11, &A::filedDeparture},
    {&M::Label1_13, &A::filedDestination},
    {&M::LblFiledAlt, &A::filedLevel},
    {&M::LblFiledTas, &A::filedSpeed},
    {&M::LblDistanceFP, &A::routeDistance},
    {&M::lblRemainNm, &A::distanceToGo},
    {&M::LblEndDepHr, &A::flyingHours},
    {&M::lblEndDepMn, &A::flyingMinutes},
};

constexpr TrafficPanelPresenter::Field kArrival[] = {
    {&M::lblCompanyArr, &A::airline},
    {&M::lblNearArr, &A::nearAerodrome},
    {&M::LblAltArr, &A::altitude},
    {&M::lblSpeedArr, &A::groundSpeed},
    {&M::lblPosArr, &A::phase},
    {&M::lblExpStar, &A::expectedProcedure},
    {&M::lblCtrArr, &A::centre},
    {&M::lblCallSign, &A::filedDestination},
    {&M::lblDistanceArr, &A::distanceToGo},
    {&M::lblEndArrHr, &A::flyingHours},
    {&M::lblEndArrMn, &A::flyingMinutes},
    {&M::lblEAThR, &A::arrivalHour},
    {&M::lblEATmn, &A::arrivalMinute},
    {&M::lblSqAss, &A::squawk},
};

void presentFields(std::span<const TrafficPanelPresenter::Field> fields, const A& aircraft,
                   M& window) {
    for (const TrafficPanelPresenter::Field& field : fields) {
        (window.*field.label).text = aircraft.*field.value;
    }
}

}  // namespace

std::span<const TrafficPanelPresenter::Field> TrafficPanelPresenter::departureFields() {
    return kDeparture;
}

std::span<const TrafficPanelPresenter::Field> TrafficPanelPresenter::arrivalFields() {
    return kArrival;
}

void TrafficPanelPresenter::presentDeparture(const AnalysedAircraft& aircraft, M& window) {
    presentFields(kDeparture, aircraft, window);
}

void TrafficPanelPresenter::presentArrival(const AnalysedAircraft& aircraft, M& window) {
    presentFields(kArrival, aircraft, window);
}

void TrafficPanelPresenter::present(TrafficSide side, const ProgramState& state, M& window) {
    if (side == TrafficSide::Departure) {
        presentDeparture(state.DepartureAircraft, window);
    } else {
        presentArrival(state.ArrivalAircraft, window);
    }
}

}  // namespace corvane
