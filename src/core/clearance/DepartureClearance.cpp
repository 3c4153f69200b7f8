#include "clearance/DepartureClearance.h"

#include <string>

#include "clearance/ClearanceLog.h"
#include "clearance/ClearanceWording.h"
#include "clearance/ClearedAircraft.h"
#include "common/TextColumns.h"
#include "platform/FileStatus.h"
#include "snapshot/PilotReading.h"
#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotLine.h"
#include "station/ProcedureFile.h"
#include "station/ProcedureLines.h"
#include "traffic/AircraftAnalysis.h"
#include "window/AppContext.h"
#include "window/StationPresenter.h"
#include "window/TrafficPanelPresenter.h"

namespace corvane {

// The steps of DepartureClearance, not for callers elsewhere.
namespace DepartureClearance {
std::optional<SquawkAllocator::Allocation> check(AppContext& context, std::string_view callsign);
}  // namespace DepartureClearance

namespace {

constexpr const char* kLineJoin = "--------";

// Why the codes in use cannot be known, or nothing when they can.
enum class CensusProblem { None, Unreadable, NotWhole, CutPilotLine };

// The codes the snapshot's lines squawk, from one read of it. A read that is not a whole
// snapshot (missing, empty, ended inside a line) gives the last whole read of this connection;
// a pilot line cut by the reader hides its squawk, so nothing is guessed then.
CensusProblem takeCensus(AppContext& context, const SquawkCensus*& census) {
    ProgramState& state = context.state;
    census = state.LastWholeSnapshot ? &*state.LastWholeSnapshot : nullptr;
    FileStatus status = FileStatus::Ok;
    auto source = context.files().openLines(state.SnapshotPath, status);
    if (!source) {
        return census != nullptr ? CensusProblem::None : CensusProblem::Unreadable;
    }
    SquawkCensus fresh;
    std::size_t lines = 0;
    std::string_view raw;
    SnapshotLine line;
    while (source->nextRaw(raw)) {
        ++lines;
        line.splitFields(
            raw, SnapshotLine::bit(snapshot::ClientKind) | SnapshotLine::bit(snapshot::Squawk));
        if (source->lastLineCut() &&
            (!line.has(snapshot::ClientKind) || line.field(snapshot::ClientKind) == "PILOT")) {
            return CensusProblem::CutPilotLine;
        }
        // A line without a squawk (or too short to have one) names no code in use.
        fresh.add(raw, line.field(snapshot::Squawk));
    }
    if (source->failed() || source->endedInsideLine() || lines == 0) {
        return census != nullptr ? CensusProblem::None : CensusProblem::NotWhole;
    }
    state.LastWholeSnapshot = std::move(fresh);
    census = &*state.LastWholeSnapshot;
    return CensusProblem::None;
}

void refuseWithoutCensus(AppContext& context, CensusProblem problem) {
    const std::string file = "PAY ATTENTION!!! THE TRAFFIC FILE " + context.state.SnapshotPath;
    const char* why = problem == CensusProblem::Unreadable ? " CANNOT BE READ"
                      : problem == CensusProblem::NotWhole
                          ? " IS EMPTY OR STILL BEING WRITTEN"
                          : " HOLDS A PILOT LINE TOO LONG TO BE READ WHOLE, SO ITS SQUAWK IS "
                            "UNKNOWN";
    context.warn(file + why + ". NO TRANSPONDER CODE GENERATED, TRY AGAIN");
}

}  // namespace

std::optional<SquawkAllocator> DepartureClearance::allocator(
    AppContext& context, std::optional<SnapshotLineId> ownLine) {
    SquawkAllocator codes(context.state.Station.firstCode, context.state.Station.lastCode);
    for (const std::string& issued : context.state.IssuedCodes) {
        codes.markTaken(issued);
    }
    const SquawkCensus* census = nullptr;
    const CensusProblem problem = takeCensus(context, census);
    if (problem != CensusProblem::None) {
        refuseWithoutCensus(context, problem);
        return std::nullopt;
    }
    // Only the squawk of the very line the aircraft was analysed from is its own: any other
    // line, of another callsign or of the same one, squawks a code in use.
    census->forEachCodeBut(ownLine, [&codes](std::string_view code) { codes.markTaken(code); });
    return codes;
}

std::optional<SquawkAllocator::Allocation> DepartureClearance::check(AppContext& context,
                                                                     std::string_view callsign) {
    MainWindowModel& w = context.window;
    if (w.departure.runway.text.empty()) {
        context.warn("PAY ATTENTION!!! SELECT THE RUNWAY", "TAKE OFF RUNWAY UNSELECTED");
        return std::nullopt;
    }
    if (w.departure.procedure.text.empty()) {
        context.warn("PAY ATTENTION!!! SELECT THE SID", "STANDARD INSTRUMENT DEPARTURE UNSELECTED");
        return std::nullopt;
    }
    if (w.departure.clearedLevel.text.empty()) {
        context.warn("PAY ATTENTION!!! INSERT INITIAL CLIMB", "INITIAL CLIMB UNSELECTED");
        return std::nullopt;
    }
    const AnalysedPlan* plan = AnalysedPlan::of(context.state.DeparturePlan, callsign);
    const auto codes =
        allocator(context, plan != nullptr ? plan->Line : std::optional<SnapshotLineId>{});
    if (!codes) {
        return std::nullopt;
    }
    auto allocation = codes->allocate(context.state.Station.nextCode);
    if (!allocation) {
        context.warn("PAY ATTENTION!!! NO TRANSPONDER CODE GENERATED PLEASE INDICATE THE RANGE",
                     "RANGE SQUAWK CODE UNSELECTED");
        return std::nullopt;
    }
    w.departure.generate.enabled = true;
    return allocation;
}

bool DepartureClearance::validate(AppContext& context) {
    return check(context, context.window.departure.traffic.selectedText()).has_value();
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
    const std::string callsign = w.departure.traffic.selectedText();
    const std::string sid(trimSpaces(w.departure.procedure.text));
    const auto allocation = check(context, callsign);
    if (!allocation) {
        return;
    }
    SidText collected{state.ProcedureText};
    const std::string runway = w.departure.runway.text;
    if (!ProcedureLines::read(context.state, context.platform, [&](std::string_view line) {
            collectLine(collected, line, sid, runway);
        })) {
        return;
    }
    state.ProcedureText = collected.text;
    const AnalysedPlan* plan =
        ClearedAircraft::plan(context, callsign, state.DeparturePlan, state.DepartureWithoutPlan,
                              w.departure.traffic.name);
    if (plan == nullptr) {
        return;
    }
    if (plan->Record.FlightRules == "V") {
        state.DepartureClearanceTexts = {AircraftAnalysis::kVfrClearance,
                                         "NO SID AVAILABLE IN THIS AIRPORT"};
        state.DepartureAircraft.expectedProcedure = "VFR";
        TrafficPanelPresenter::present(TrafficSide::Departure, state, w);
        return;
    }
    const std::string level = ClearanceWording::levelPhrase(w.departure.clearedLevel.text);
    state.CallsignNumberLength = ClearanceWording::callsignNumberLength(callsign);
    // Text from the files loses its control characters before it is spoken or logged.
    const std::string clearance = replaceControlCharacters(
        ClearanceWording::airlineName(state.DepartureAircraft.airline) + " " +
        ClearanceWording::spokenNumber(callsign, state.CallsignNumberLength) + " CLEAR TO DEST " +
        plan->Record.Destination + " AS FLIGHT PLANNED ROUTE VIA " + sid +
        " STANDARD DEPARTURE CLIMB AND MANTAIN " + level + " INITIALLY SQUAWK " + allocation->code);
    state.DepartureClearanceTexts = {clearance, replaceControlCharacters(state.ProcedureText)};
    state.AssignedDepartures.push_back(ClearanceWording::assignedEntry(callsign, allocation->code));
    TrafficPanelPresenter::present(TrafficSide::Departure, state, w);
    state.IssuedCodes.insert(allocation->code);
    state.ClearedDepartures.insert(callsign);
    state.Station.nextCode = allocation->next;
    StationPresenter::present(state.Station, w);
    w.departure.traffic.removeAt(w.departure.traffic.selected);
    ClearanceLog::write(context, TrafficSide::Departure, clearance);
}

}  // namespace corvane
