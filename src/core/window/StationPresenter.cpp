#include "window/StationPresenter.h"

namespace corvane {

namespace {

using M = MainWindowModel;
using S = StationState;

constexpr StationPresenter::Field kFields[] = {
    {&M::LblPositionName, &S::callsign}, {&M::LblNomeApt, &S::airportName},
    {&M::LblRating, &S::rating},         {&M::LblAtisInf, &S::atis},
    {&M::lblTA, &S::transitionAltitude}, {&M::lblQNH, &S::qnh},
    {&M::lblPollici, &S::qnhInches},     {&M::lblTL, &S::transitionLevel},
    {&M::Lblr1_1, &S::firstCode},        {&M::Lblr2_1, &S::lastCode},
    {&M::LblSquawk, &S::nextCode},
};

}  // namespace

std::span<const StationPresenter::Field> StationPresenter::fields() {
    return kFields;
}

void StationPresenter::present(const StationState& station, MainWindowModel& window) {
    for (const Field& field : kFields) {
        (window.*field.label).text = station.*field.value;
    }
}

}  // namespace corvane
