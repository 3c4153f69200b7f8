#include "window/StationPresenter.h"

namespace corvane {

namespace {

using M = MainWindowModel;
using S = StationState;

template <auto field>
constexpr auto onTopStrip = &labelIn<&M::topStrip, field>;

constexpr StationPresenter::Field kFields[] = {
    {onTopStrip<&TopStrip::callsign>, &S::callsign},
    {onTopStrip<&TopStrip::airportName>, &S::airportName},
    {onTopStrip<&TopStrip::rating>, &S::rating},
    {&labelIn<&M::atis, &AtisPanel::information>, &S::atis},
    {onTopStrip<&TopStrip::transitionAltitude>, &S::transitionAltitude},
    {onTopStrip<&TopStrip::qnh>, &S::qnh},
    {onTopStrip<&TopStrip::qnhInches>, &S::qnhInches},
    {onTopStrip<&TopStrip::transitionLevel>, &S::transitionLevel},
    {&labelIn<&M::atis, &AtisPanel::airac>, &S::airac},
    {&labelIn<&M::atis, &AtisPanel::positionTitle>, &S::positionTitle},
    {&labelIn<&M::departure, &DeparturePanel::firstCode>, &S::firstCode},
    {&labelIn<&M::departure, &DeparturePanel::lastCode>, &S::lastCode},
    {&labelIn<&M::departure, &DeparturePanel::nextCode>, &S::nextCode},
    {&labelIn<&M::arrival, &ArrivalPanel::nextCode>, &S::arrivalNextCode},
};

}  // namespace

std::span<const StationPresenter::Field> StationPresenter::fields() {
    return kFields;
}

void StationPresenter::present(const StationState& station, MainWindowModel& window) {
    for (const Field& field : kFields) {
        field.label(window).text = station.*field.value;
    }
    window.atis.positionNotes.text = station.positionNotes;
}

}  // namespace corvane
