#include "clearance/ClearanceLog.h"

#include <set>

#include "clearance/ClearanceWording.h"
#include "common/TextColumns.h"
#include "platform/FileStatus.h"
#include "platform/FileSystem.h"
#include "window/AppContext.h"
#include "window/TrafficPanelPresenter.h"

namespace corvane {

namespace {

constexpr std::size_t kProcedureCharacters = 300;

// The words every clearance of a side closes with; only the code or the runway follows them,
// so the first "/" after them is the one the log wrote.
std::string_view closingWords(TrafficSide side) {
    return side == TrafficSide::Departure ? " INITIALLY SQUAWK "
                                          : " ACCORDING TO THE MINIMA EXPECTED ILS APP RWY ";
}

const char* logName(TrafficSide side) {
    return side == TrafficSide::Departure ? "DEPARTURE" : "ARRIVAL";
}

std::set<std::string, std::less<>>& writtenRecords(AppContext& context, TrafficSide side) {
    return side == TrafficSide::Departure ? context.state.DepartureRecords
                                          : context.state.ArrivalRecords;
}

// Byte offset where the clearance ends in `body` (the record after the callsign's "/").
std::size_t clearanceEnd(std::string_view body, TrafficSide side) {
    const std::string_view words = closingWords(side);
    const std::size_t closing = body.find(words);
    const std::size_t from = closing == std::string_view::npos ? 0 : closing + words.size();
    return body.find('/', from);
}

}  // namespace

std::string ClearanceLog::record(std::string_view callsign, std::string_view clearance,
                                 std::string_view procedure) {
    std::string line = ClearanceWording::paddedCallsign(replaceControlCharacters(callsign));
    line += '/';
    line += clearance;
    line += '/';
    line += procedure;
    return line;
}

std::optional<ClearanceLog::Entry> ClearanceLog::parse(std::string_view line,
                                                       std::string_view callsign,
                                                       TrafficSide side) {
    // The record begins with the callsign, padded with spaces when it is short, then "/"; a
    // callsign longer than the padding stands whole. Only that exact field is the callsign's:
    // "ABC1" is not the record of "ABC1/X", whose field also begins "ABC1" and a "/".
    const std::string field =
        ClearanceWording::paddedCallsign(trimTrailingSpaces(replaceControlCharacters(callsign))) +
        "/";
    if (!line.starts_with(field)) {
        return std::nullopt;
    }
    const std::string_view body = line.substr(field.size());
    const std::size_t end = clearanceEnd(body, side);
    if (end == std::string_view::npos) {
        return Entry{std::string(body), ""};
    }
    const std::string_view procedure =
        TextColumns::left(body.substr(end + 1), kProcedureCharacters);
    return Entry{std::string(body.substr(0, end)), std::string(trimSpaces(procedure))};
}

std::string ClearanceLog::path(const ProgramFolder& folder, TrafficSide side) {
    return folder.dataFile(side == TrafficSide::Departure ? ProgramFolder::kDepartureLog
                                                          : ProgramFolder::kArrivalLog);
}

void ClearanceLog::write(AppContext& context, TrafficSide side, std::string_view clearance) {
    std::string& callsign = context.state.selectedCallsign(side);
    callsign = ClearanceWording::paddedCallsign(callsign);
    const std::string file = path(context.folder, side);
    const std::string line =
        record(callsign, clearance, context.state.clearanceTexts(side).procedure);
    const FileStatus status = context.files().appendLine(file, line);
    if (status == FileStatus::Ok) {
        writtenRecords(context, side).insert(line);
    } else {
        context.warn(std::string("PAY ATTENTION!!! THE ") + logName(side) + " LOG " + file +
                     " CANNOT BE WRITTEN (" + describeFileStatus(status) +
                     "). THE CLEARANCE IS NOT RECORDED");
    }
}

void ClearanceLog::show(AppContext& context, TrafficSide side) {
    const std::string file = path(context.folder, side);
    FileStatus status = FileStatus::Ok;
    auto source = context.files().openOwnLines(file, status);
    std::optional<Entry> last;
    if (source) {
        const std::string callsign = context.state.selectedCallsign(side);
        const auto& written = writtenRecords(context, side);
        std::string_view line;
        while (source->next(line)) {
            // Whatever else the file holds (an older run's records, a broken line) was not
            // logged in this connection.
            if (!written.contains(line)) {
                continue;
            }
            if (auto entry = parse(line, callsign, side)) {
                last = std::move(entry);
            }
        }
        if (source->failed()) {
            status = FileStatus::IoError;
        }
    }
    const bool found = status == FileStatus::Ok && last;
    // Without the aircraft's record, what the fields show is another aircraft's clearance, or
    // none at all.
    context.state.clearanceTexts(side) =
        found ? ClearanceTexts{last->clearance, last->procedure} : ClearanceTexts{};
    TrafficPanelPresenter::present(side, context.state, context.window);
    if (found) {
        return;
    }
    // Without a record written in this connection a missing log is no read failure: the
    // record the click asks for was never written (a full disk refused it).
    const bool neverWritten =
        status == FileStatus::FileNotFound && writtenRecords(context, side).empty();
    if (status != FileStatus::Ok && !neverWritten) {
        context.warn(std::string("PAY ATTENTION!!! THE ") + logName(side) + " LOG " + file +
                     " CANNOT BE READ (" + describeFileStatus(status) + ")");
        return;
    }
    context.warn("PAY ATTENTION!!! THE CLEARANCE OF " +
                 replaceControlCharacters(trimSpaces(context.state.selectedCallsign(side))) +
                 " IS NOT IN THE " + logName(side) + " LOG");
}

}  // namespace corvane
