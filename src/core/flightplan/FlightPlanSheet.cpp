#include "flightplan/FlightPlanSheet.h"

#include <optional>
#include <string_view>

#include "flightplan/FlightPlanSheetLayout.h"
#include "window/ProgramState.h"
#include "window/StartupSequence.h"

namespace corvane {

namespace {

using Reader = std::string (*)(const AnalysedPlan&);

// Where each value label of the plan takes its text from. The departure aerodrome, level and
// cruising speed are the ones read out when that aircraft was analysed, not today's labels.
struct Source {
    std::string_view label;
    Reader read;
};

constexpr Source kSources[] = {
    {"LblFR", [](const AnalysedPlan& p) { return p.Record.FlightRules; }},
    {"LblTOF", [](const AnalysedPlan& p) { return p.Record.FlightType; }},
    {"LblTO", [](const AnalysedPlan& p) { return p.Record.AircraftType; }},
    {"LblWake", [](const AnalysedPlan& p) { return p.Record.WakeCategory; }},
    {"LblEquip", [](const AnalysedPlan& p) { return p.Record.Equipment; }},
    {"LblDA", [](const AnalysedPlan& p) { return p.DepAerodrome; }},
    {"LblTimeact", [](const AnalysedPlan& p) { return p.Record.DepTime; }},
    {"LblCS", [](const AnalysedPlan& p) { return p.CruiseSpeed; }},
    {"LblLevel", [](const AnalysedPlan& p) { return p.Level; }},
    {"lblRoute", [](const AnalysedPlan& p) { return p.Record.Route; }},
    {"LblDEs", [](const AnalysedPlan& p) { return p.Record.Destination; }},
    {"LblTotal", [](const AnalysedPlan& p) { return p.Record.TotalEet; }},
    {"lblAltn", [](const AnalysedPlan& p) { return p.Record.Alternate; }},
    {"Lbl2Altn", [](const AnalysedPlan& p) { return p.Record.Alternate2; }},
    {"lblOther", [](const AnalysedPlan& p) { return p.Record.OtherInfo; }},
    {"lblTime", [](const AnalysedPlan& p) { return p.Record.Endurance; }},
    {"LblPOB", [](const AnalysedPlan& p) { return p.Record.PersonsOnBoard; }},
    {"LblPIC", [](const AnalysedPlan& p) { return p.Record.PilotInCommand; }},
};

std::string valueOf(std::string_view label, const std::string& callsign, const AnalysedPlan* plan) {
    if (label == "LblAircId") {
        return callsign;
    }
    if (plan != nullptr) {
        for (const Source& source : kSources) {
            if (source.label == label) {
                return source.read(*plan);
            }
        }
    }
    return {};  // no plan of this aircraft; and LblNumber, the form's aircraft count, never
}

}  // namespace

void FlightPlanSheet::open(ProgramState& state, std::int16_t kind) {
    state.FlightPlanKind = kind;
    state.Sheet = labels(state);
}

FlightPlanSheet::Labels FlightPlanSheet::labels(const ProgramState& state) {
    const bool departure = state.FlightPlanKind.value_or(kDeparture) == kDeparture;
    const std::string& callsign =
        departure ? state.SelectedDepartureCallsign : state.SelectedArrivalCallsign;
    // An analysis that did not find its aircraft leaves the previous aircraft's plan behind: the
    // sheet never puts one aircraft's plan under another's callsign.
    const AnalysedPlan* plan =
        AnalysedPlan::of(departure ? state.DeparturePlan : state.ArrivalPlan, callsign);
    Labels result;
    result.reserve(FlightPlanSheetLayout::kFieldCount);
    for (const FlightPlanSheetLayout::Field& field : FlightPlanSheetLayout::fields()) {
        result.emplace_back(std::string(field.valueLabel),
                            valueOf(field.valueLabel, callsign, plan));
    }
    return result;
}

void FlightPlanSheet::close(MainWindowModel& window, ProgramState& state) {
    state.Sheet.reset();
    // The main window's first-activation work (emptying the operator name) must not run again
    // once a sheet has been seen, and it tests for this value.
    state.FlightPlanKind = kArrival;
    StartupSequence::activate(window, state);
}

}  // namespace corvane
