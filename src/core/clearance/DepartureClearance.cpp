#include "clearance/DepartureClearance.h"

#include <string>

#include "clearance/ClearanceLog.h"
#include "clearance/ClearanceWording.h"
#include "common/TextColumns.h"
#include "snapshot/PilotReading.h"
#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotLine.h"
#include "station/ProcedureFile.h"
#include "station/ProcedureLines.h"
#include "traffic/AircraftAnalysis.h"
#include "window/AppContext.h"

namespace corvane {

// The steps of DepartureClearance, not for callers elsewhere.
namespace DepartureClearance {
std::optional<SquawkAllocator::Allocation> check(AppContext& context, std::string_view callsign);
}  // namespace DepartureClearance

namespace {

constexpr const char* kLineJoin = "--------";

void markSquawkedCodes(AppContext& context, std::string_view callsign, SquawkAllocator& codes) {
    FileStatus status = FileStatus::Ok;
    // Without a readable snapshot only the codes of this connection are known to be in use.
    auto source = context.files().openLines(context.state.SnapshotPath, status);
    if (!source) {
        return;
    }
    std::string_view raw;
    SnapshotLine line;
    while (source->next(raw)) {
        // A line without a squawk (or too short to have one) names no code to mark.
        line.split(raw, snapshot::Squawk);
        const SquawkSighting seen = SquawkSighting::read(line);
        if (seen.callsign != callsign) {
            codes.markTaken(seen.squawk);
        }
    }
}

}  // namespace

SquawkAllocator DepartureClearance::allocator(AppContext& context, std::string_view callsign) {
    SquawkAllocator codes(context.window.Lblr1_1.text, context.window.Lblr2_1.text);
    for (const std::string& issued : context.state.IssuedCodes) {
        codes.markTaken(issued);
    }
    if (!context.state.SnapshotPath.empty()) {
        markSquawkedCodes(context, callsign, codes);
    }
    return codes;
}

std::optional<SquawkAllocator::Allocation> DepartureClearance::check(AppContext& context,
                                                                     std::string_view callsign) {
    MainWindowModel& w = context.window;
    if (w.CmbTORwy.text.empty()) {
        context.warn("PAY ATTENTION!!! SELECT THE RUNWAY", "TAKE OFF RUNWAY UNSELECTED");
        return std::nullopt;
    }
    if (w.CmbSid.text.empty()) {
        context.warn("PAY ATTENTION!!! SELECT THE SID", "STANDARD INSTRUMENT DEPARTURE UNSELECTED");
        return std::nullopt;
    }
    if (w.TxtInClimb.text.empty()) {
        context.warn("PAY ATTENTION!!! INSERT INITIAL CLIMB", "INITIAL CLIMB UNSELECTED");
        return std::nullopt;
    }
    auto allocation = allocator(context, callsign).allocate(w.LblSquawk.text);
    if (!allocation) {
        context.warn("PAY ATTENTION!!! NO TRANSPONDER CODE GENERATED PLEASE INDICATE THE RANGE",
                     "RANGE SQUAWK CODE UNSELECTED");
        return std::nullopt;
    }
    w.cmdSidGen.enabled = true;
    return allocation;
}

bool DepartureClearance::validate(AppContext& context) {
    return check(context, context.window.LstDeparture.selectedText()).has_value();
}

void DepartureClearance::collectLine(SidText& collected, std::string_view line,
                                     std::string_view sid, std::string_view runway) {
    // Only trailing spaces go: cutting the line to its length trimmed at both ends would drop
    // the last characters of the runway lines, which begin with a space.
    const std::string_view kept = trimTrailingSpaces(line);
    if (!sid.empty() && TextColumns::mid(line, 5, TextColumns::length(sid)) == sid) {
        collected.text = std::string(kept);
        collected.open = true;
    } else if (ProcedureFile::isSidLine(line) || ProcedureFile::isEndOfSids(line)) {
        // The runway lines that follow belong to another SID.
        collected.open = false;
    }
    if (collected.open && ProcedureFile::isDepartureRunwayLine(line, runway)) {
        collected.text += kLineJoin;
        collected.text += kept;
    }
}

void DepartureClearance::generate(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    const std::string callsign = w.LstDeparture.selectedText();
    const std::string sid(trimSpaces(w.CmbSid.text));
    const auto allocation = check(context, callsign);
    if (!allocation) {
        return;
    }
    SidText collected{state.ProcedureText};
    const std::string runway = w.CmbTORwy.text;
    if (!ProcedureLines::read(context.state, context.platform, [&](std::string_view line) {
            collectLine(collected, line, sid, runway);
        })) {
        return;
    }
    state.ProcedureText = collected.text;
    if (callsign.empty()) {
        context.warn("PAY ATTENTION!!! CLICK ON AIRCRAFT CALLSIGN", "AIRCRAFT CALLSIGN UNSELECTED");
        w.focus = w.LstDeparture.name;
        return;
    }
    const AnalysedPlan* plan = AnalysedPlan::of(state.DeparturePlan, callsign);
    if (plan == nullptr) {
        context.warn(ClearanceWording::noAnalysedAircraft(callsign),
                     ClearanceWording::kNoAnalysedAircraftTitle);
        return;
    }
    if (plan->Record.FlightRules == "V") {
        w.LblIfrSid.text = AircraftAnalysis::kVfrClearance;
        w.LblExpSid.text = "VFR";
        w.txtSidAss.text = "NO SID AVAILABLE IN THIS AIRPORT";
        return;
    }
    const std::string level = ClearanceWording::levelPhrase(w.TxtInClimb.text);
    w.txtSidAss.text = state.ProcedureText;
    state.CallsignNumberLength = ClearanceWording::callsignNumberLength(callsign);
    // The destination of the aircraft's own line: Label1(13) is rewritten by either side's
    // analysis. Text from the files loses its control characters before it is spoken or logged.
    w.LblIfrSid.text = replaceControlCharacters(
        ClearanceWording::airlineName(w.lblCompanyDep.text) + " " +
        ClearanceWording::spokenNumber(callsign, state.CallsignNumberLength) + " CLEAR TO DEST " +
        plan->Record.Destination + " AS FLIGHT PLANNED ROUTE VIA " + sid +
        " STANDARD DEPARTURE CLIMB AND MANTAIN " + level + " INITIALLY SQUAWK " + allocation->code);
    w.List1.add(ClearanceWording::assignedEntry(callsign, allocation->code));
    state.IssuedCodes.insert(allocation->code);
    state.ClearedDepartures.insert(callsign);
    w.LblSquawk.text = allocation->next;
    w.LstDeparture.removeAt(w.LstDeparture.selected);
    ClearanceLog::write(context, ClearanceSide::Departure);
}

}  // namespace corvane
