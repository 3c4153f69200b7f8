#include "clearance/ArrivalClearance.h"

#include "clearance/ClearanceLog.h"
#include "clearance/ClearanceWording.h"
#include "clearance/ClearedAircraft.h"
#include "common/TextColumns.h"
#include "station/ProcedureLines.h"
#include "traffic/AircraftAnalysis.h"
#include "window/AppContext.h"
#include "window/TrafficPanelPresenter.h"
#include "window/UserMessage.h"

namespace corvane {

namespace {

bool refuse(MainWindowModel& window, Platform& platform, const char* text, const char* title,
            const std::string& input) {
    UserMessage::warn(platform, text, title);
    window.focus = input;
    return false;
}

}  // namespace

bool ArrivalClearance::validate(MainWindowModel& w, Platform& platform) {
    if (w.arrival.runway.text.empty()) {
        return refuse(w, platform, "PAY ATTENTION!!! SELECT THE RUNWAY",
                      "LANDING RUNWAY UNSELECTED", w.arrival.runway.name);
    }
    if (w.arrival.procedure.text.empty()) {
        return refuse(w, platform, "PAY ATTENTION!!! SELECT THE STAR",
                      "STANDARD ARRIVAL UNSELECTED", w.arrival.procedure.name);
    }
    if (w.arrival.clearedLevel.text.empty()) {
        return refuse(w, platform, "PAY ATTENTION!!! INSERT INITIAL DESCEND",
                      "INITIAL DESCEND UNSELECTED", w.arrival.clearedLevel.name);
    }
    w.arrival.generate.enabled = true;
    return true;
}

void ArrivalClearance::collectLine(std::string& procedureText, std::string_view line,
                                   std::string_view star) {
    if (!star.empty() && TextColumns::mid(line, 6, TextColumns::length(star)) == star) {
        procedureText = std::string(trimTrailingSpaces(line));
    }
}

void ArrivalClearance::generate(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    const std::string callsign = w.arrival.traffic.selectedText();
    const std::string star(trimSpaces(w.arrival.procedure.text));
    if (!validate(w, context.platform)) {
        return;
    }
    std::string procedureText = state.ProcedureText;
    if (!ProcedureLines::read(context.state, context.platform, [&](std::string_view line) {
            collectLine(procedureText, line, star);
        })) {
        return;
    }
    state.ProcedureText = procedureText;
    const AnalysedPlan* plan = ClearedAircraft::plan(
        context, callsign, state.ArrivalPlan, state.ArrivalWithoutPlan, w.arrival.traffic.name);
    if (plan == nullptr) {
        return;
    }
    if (plan->Record.FlightRules == "V") {
        state.ArrivalClearanceTexts = {AircraftAnalysis::kVfrClearance,
                                       "NO STAR AVAILABLE IN THIS AIRPORT"};
        state.ArrivalAircraft.expectedProcedure = "VFR";
        TrafficPanelPresenter::present(TrafficSide::Arrival, state, w);
        return;
    }
    const std::string level = ClearanceWording::levelPhrase(w.arrival.clearedLevel.text);
    state.CallsignNumberLength = ClearanceWording::callsignNumberLength(callsign);
    // Text from the files loses its control characters before it is spoken or logged.
    const AnalysedAircraft& aircraft = state.ArrivalAircraft;
    const std::string clearance = replaceControlCharacters(
        ClearanceWording::airlineName(aircraft.airline) + " " +
        ClearanceWording::spokenNumber(callsign, state.CallsignNumberLength) +
        " RADAR CONTACT FLY DIRECT " +
        ClearanceWording::starEntryPoint(aircraft.expectedProcedure) + " THEN " + star +
        " STANDARD ARRIVAL DESCENT AND MANTAIN " + level +
        " ACCORDING TO THE MINIMA EXPECTED ILS APP RWY " + w.arrival.runway.text);
    state.ArrivalClearanceTexts = {clearance, replaceControlCharacters(state.ProcedureText)};
    state.AssignedArrivals.push_back(ClearanceWording::assignedEntry(callsign, aircraft.squawk));
    TrafficPanelPresenter::present(TrafficSide::Arrival, state, w);
    state.ClearedArrivals.insert(callsign);
    w.arrival.traffic.removeAt(w.arrival.traffic.selected);
    ClearanceLog::write(context, TrafficSide::Arrival, clearance);
}

}  // namespace corvane
