#include "window/TrafficPanelPresenter.h"

#include <algorithm>
#include <vector>

#include "window/Colours.h"
#include "window/ProgramState.h"

namespace corvane {

namespace {

using M = MainWindowModel;
using A = AnalysedAircraft;

template <auto field>
constexpr auto onDeparture = &labelIn<&M::departure, field>;
template <auto field>
constexpr auto onArrival = &labelIn<&M::arrival, field>;

constexpr TrafficPanelPresenter::Field kDeparture[] = {
    {onDeparture<&DeparturePanel::airline>, &A::airline},
    {onDeparture<&DeparturePanel::nearAerodrome>, &A::nearAerodrome},
    {onDeparture<&DeparturePanel::altitude>, &A::altitude},
    {onDeparture<&DeparturePanel::groundSpeed>, &A::groundSpeed},
    {onDeparture<&DeparturePanel::phase>, &A::phase},
    {onDeparture<&DeparturePanel::expectedProcedure>, &A::expectedProcedure},
    {onDeparture<&DeparturePanel::centre>, &A::centre},
    {onDeparture<&DeparturePanel::filedDeparture>, &A::filedDeparture},
    {onDeparture<&DeparturePanel::filedDestination>, &A::filedDestination},
    {onDeparture<&DeparturePanel::filedLevel>, &A::filedLevel},
    {onDeparture<&DeparturePanel::filedSpeed>, &A::filedSpeed},
    {onDeparture<&DeparturePanel::routeDistance>, &A::routeDistance},
    {onDeparture<&DeparturePanel::distanceToGo>, &A::distanceToGo},
    {onDeparture<&DeparturePanel::flyingHours>, &A::flyingHours},
    {onDeparture<&DeparturePanel::flyingMinutes>, &A::flyingMinutes},
};

constexpr TrafficPanelPresenter::Field kArrival[] = {
    {onArrival<&ArrivalPanel::airline>, &A::airline},
    {onArrival<&ArrivalPanel::nearAerodrome>, &A::nearAerodrome},
    {onArrival<&ArrivalPanel::altitude>, &A::altitude},
    {onArrival<&ArrivalPanel::groundSpeed>, &A::groundSpeed},
    {onArrival<&ArrivalPanel::phase>, &A::phase},
    {onArrival<&ArrivalPanel::expectedProcedure>, &A::expectedProcedure},
    {onArrival<&ArrivalPanel::centre>, &A::centre},
    {onArrival<&ArrivalPanel::filedDestination>, &A::filedDestination},
    {onArrival<&ArrivalPanel::distanceToGo>, &A::distanceToGo},
    {onArrival<&ArrivalPanel::flyingHours>, &A::flyingHours},
    {onArrival<&ArrivalPanel::flyingMinutes>, &A::flyingMinutes},
    {onArrival<&ArrivalPanel::arrivalHour>, &A::arrivalHour},
    {onArrival<&ArrivalPanel::arrivalMinute>, &A::arrivalMinute},
    {onArrival<&ArrivalPanel::squawk>, &A::squawk},
};

void presentFields(std::span<const TrafficPanelPresenter::Field> fields, const A& aircraft,
                   M& window) {
    for (const TrafficPanelPresenter::Field& field : fields) {
        field.label(window).text = aircraft.*field.value;
    }
}

void presentAssigned(const std::vector<std::string>& entries, ListBox& list) {
    if (list.items == entries) {
        return;
    }
    std::vector<ItemMark> marks;
    bool marked = false;
    for (const std::string& entry : entries) {
        const auto shown = std::find(list.items.begin(), list.items.end(), entry);
        marks.push_back(list.markAt(static_cast<int>(shown - list.items.begin())));
        marked = marked || marks.back().kind != MarkKind::None;
    }
    list.setItems(entries);
    if (marked) {
        list.marks = std::move(marks);
    }
    if (!list.hasIndex(list.selected)) {
        list.selected = -1;
    }
}

// The field's visibility is the blink's: only a selection shows it again.
void presentMessage(const ParameterAdvice& message, TrafficPanel& panel) {
    panel.message.text = message.caption;
    panel.message.fontSize = message.fontSize;
    panel.message.backColour = message.warning ? colour::kRed : colour::kYellow;
    panel.messageBlink.enabled = message.warning;
}

}  // namespace

std::span<const TrafficPanelPresenter::Field> TrafficPanelPresenter::departureFields() {
    return kDeparture;
}

std::span<const TrafficPanelPresenter::Field> TrafficPanelPresenter::arrivalFields() {
    return kArrival;
}

void TrafficPanelPresenter::present(TrafficSide side, const ProgramState& state, M& window) {
    const bool departure = side == TrafficSide::Departure;
    const AnalysedAircraft& aircraft = departure ? state.DepartureAircraft : state.ArrivalAircraft;
    const ClearanceTexts& clearance =
        departure ? state.DepartureClearanceTexts : state.ArrivalClearanceTexts;
    TrafficPanel& panel = window.panel(side);
    presentFields(departure ? departureFields() : arrivalFields(), aircraft, window);
    presentMessage(aircraft.message, panel);
    panel.clearance.text = clearance.clearance;
    panel.assignedProcedure.text = clearance.procedure;
    panel.ruleText.text = departure ? state.DepartureRule : state.ArrivalRule;
    presentAssigned(departure ? state.AssignedDepartures : state.AssignedArrivals, panel.cleared);
}

}  // namespace corvane
