#include "clearance/DepartureClearance.h"

#include <string>

#include "app/AppContext.h"
#include "clearance/ClearanceLog.h"
#include "clearance/ClearanceWording.h"
#include "clearance/ProcedureFile.h"
#include "clearance/ProcedureLines.h"
#include "common/TextColumns.h"
#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"
#include "traffic/DepartureAnalysis.h"

namespace corvane {

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
    SnapshotLine fields;
    while (source->next(raw)) {
        fields.split(raw, snapshot::Squawk);
        if (fields.has(snapshot::Squawk) && fields.field(snapshot::Callsign) != callsign) {
            codes.markTaken(fields.field(snapshot::Squawk));
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

void DepartureClearance::collectLine(std::string& procedureText, std::string_view line,
                                     std::string_view sid, std::string_view runway) {
    // Only trailing spaces go: cutting the line to its length trimmed at both ends would drop
    // the last characters of the runway lines, which begin with a space.
    const std::string_view kept = trimTrailingSpaces(line);
    if (!sid.empty() && TextColumns::mid(line, 5, TextColumns::length(sid)) == sid) {
        procedureText = std::string(kept);
    }
    if (ProcedureFile::isDepartureRunwayLine(line, runway)) {
        procedureText += kLineJoin;
        procedureText += kept;
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
    std::string procedureText = state.ProcedureText;
    const std::string runway = w.CmbTORwy.text;
    if (!ProcedureLines::read(context, [&](std::string_view line) {
            collectLine(procedureText, line, sid, runway);
        })) {
        return;
    }
    state.ProcedureText = procedureText;
    if (callsign.empty()) {
        context.warn("PAY ATTENTION!!! CLICK ON AIRCRAFT CALLSIGN", "AIRCRAFT CALLSIGN UNSELECTED");
        w.focus = w.LstDeparture.name;
        return;
    }
    if (state.FlightPlan.FlightRules == "V") {
        w.LblIfrSid.text = DepartureAnalysis::kVfrClearance;
        w.LblExpSid.text = "VFR";
        w.txtSidAss.text = "NO SID AVAILABLE IN THIS AIRPORT";
        return;
    }
    const std::string level = ClearanceWording::levelPhrase(w.TxtInClimb.text);
    w.txtSidAss.text = state.ProcedureText;
    state.CallsignNumberLength = ClearanceWording::callsignNumberLength(callsign);
    w.LblIfrSid.text = ClearanceWording::airlineName(w.lblCompanyDep.text) + " " +
                       ClearanceWording::spokenNumber(callsign, state.CallsignNumberLength) +
                       " CLEAR TO DEST " + w.Label1_13.text + " AS FLIGHT PLANNED ROUTE VIA " +
                       sid + " STANDARD DEPARTURE CLIMB AND MANTAIN " + level +
                       " INITIALLY SQUAWK " + allocation->code;
    w.List1.add(ClearanceWording::assignedEntry(callsign, allocation->code));
    state.IssuedCodes.insert(allocation->code);
    state.ClearedDepartures.insert(callsign);
    w.LblSquawk.text = allocation->next;
    w.LstDeparture.removeAt(w.LstDeparture.selected);
    ClearanceLog::write(context, ClearanceSide::Departure);
}

}  // namespace corvane
