#include "station/ConnectOperation.h"

#include <string>

#include "common/TextCodec.h"
#include "common/TextColumns.h"
#include "settings/SettingsStore.h"
#include "snapshot/PilotSquawks.h"
#include "station/ConnectErrorTrap.h"
#include "station/PositionKinds.h"
#include "station/ProcedureFile.h"
#include "station/ProcedureLines.h"
#include "station/RunwayReader.h"
#include "station/SearchPassTraffic.h"
#include "station/SquawkTable.h"
#include "station/StationSearch.h"
#include "window/AppContext.h"
#include "window/ConnectionReset.h"
#include "window/SquawkWatch.h"
#include "window/StationPresenter.h"
#include "window/WindowLayouts.h"

namespace corvane {

// The steps of ConnectOperation, not for callers elsewhere.
namespace ConnectOperation {
bool checkOperatorText(AppContext& context);
bool loadSnapshotPath(AppContext& context);
bool searchStation(AppContext& context, std::string_view typed, SearchPassTraffic& traffic,
                   AircraftSquawks& pilots);
// The station code of the position shown: the first four characters of its callsign.
std::string stationCode(const StationState& station);
void notFound(AppContext& context);
bool loadRunways(AppContext& context);
bool readProcedureFile(AppContext& context);
}  // namespace ConnectOperation

namespace {

constexpr const char* kNoAccount =
    "PAY ATTENTION!!! INSERT YOUR ACCOUNT (NORMALLY NAME AND SURNAME OR VID NUMBER) IVAO "
    "CONNECTED";
constexpr const char* kNoSnapshotSetting =
    "PAY ATTENTION!!! IMPORTANT FILE NOT FOUND PLEASE USE IVAO IMPORT DATA BUTTON";
constexpr const char* kWrongAccount =
    "PAY ATTENTION!!! INSERT CORRECT ACCOUNT (NORMALLY NAME AND SURNAME OR VID NUMBER) IVAO "
    "CONNECTED";
constexpr const char* kNoProcedureSetting =
    "PAY ATTENTION!!! IMPORTANT FILE NO FOUND. PLEASE USE UPDATE AIRAC BUTTON";

std::string unsafeAirportCode(const std::string& code) {
    return "PAY ATTENTION!!! THE STATION CODE \"" + code +
           "\" IS NOT 4 LETTERS OR DIGITS, SO NO PROCEDURE FILE CAN BE OPENED FOR IT";
}

}  // namespace

void ConnectOperation::connect(AppContext& context) {
    MainWindowModel& w = context.window;
    if (!checkOperatorText(context)) {
        return;
    }
    WindowLayouts::enableButtons(w);
    w.topStrip.connect.enabled = false;
    w.topStrip.account.enabled = false;
    context.state.CentreMode = false;
    const std::string typed = w.topStrip.account.text;
    SearchPassTraffic traffic;
    AircraftSquawks pilots;
    if (!loadSnapshotPath(context) || !searchStation(context, typed, traffic, pilots)) {
        return;
    }
    context.state.AirportCode = stationCode(context.state.Station);
    context.state.FolderSelector = 0;
    if (!context.state.CentreMode) {
        if (!loadRunways(context) || !SquawkTable::load(context)) {
            return;
        }
    }
    if (traffic.complete(context)) {
        SquawkWatch::watch(w, context.state, context.platform, pilots);
    }
}

std::string ConnectOperation::stationCode(const StationState& station) {
    return std::string(TextColumns::left(station.callsign, 4));
}

bool ConnectOperation::checkOperatorText(AppContext& context) {
    MainWindowModel& w = context.window;
    if (!w.topStrip.account.text.empty()) {
        return true;
    }
    context.warn(kNoAccount);
    w.topStrip.account.text.clear();
    w.topStrip.connect.enabled = true;
    w.focus = w.topStrip.account.name;
    ConnectionReset::resetConnection(context);
    return false;
}

bool ConnectOperation::loadSnapshotPath(AppContext& context) {
    if (!SettingsStore::isAvailable(context.state, context.files(), context.folder,
                                    Setting::SnapshotPath)) {
        context.warn(kNoSnapshotSetting);
        ConnectionReset::resetConnection(context);
        return false;
    }
    const FileStatus status =
        SettingsStore::load(context.state, context.files(), context.folder, Setting::SnapshotPath);
    if (status != FileStatus::Ok) {
        ConnectErrorTrap::fileFailed(context, status,
                                     SettingsStore::path(context.folder, Setting::SnapshotPath));
        return false;
    }
    return true;
}

bool ConnectOperation::searchStation(AppContext& context, std::string_view typed,
                                     SearchPassTraffic& traffic, AircraftSquawks& pilots) {
    const std::string path = context.state.SnapshotPath;
    FileStatus status = FileStatus::Ok;
    auto lines = context.files().openLines(path, status);
    if (!lines) {
        ConnectErrorTrap::snapshotFailed(context, status, path);
        return false;
    }
    StationSearch search(context, typed);
    traffic.readingVersion(lines->version());
    std::string_view raw;
    std::string decoded;
    SnapshotLine pilot;
    for (std::size_t index = 0; lines->nextRaw(raw); ++index) {
        // Almost every line is ruled out on its raw head; only the others are decoded.
        if (search.mayMatchLine(raw)) {
            std::string_view line = raw;
            if (!TextCodec::isAscii(raw)) {
                decoded = TextCodec::decodeLine(raw);
                line = decoded;
            }
            if (!search.tryLine(line)) {
                return false;
            }
            if (search.outcome() == StationSearch::Outcome::Found) {
                traffic.follow(stationCode(context.state.Station), context.state.CentreMode, index);
            }
        }
        // The traffic of the station found so far is gathered on the same read.
        traffic.add(raw);
        if (!pilots.overflowed()) {
            pilot.splitFields(raw, PilotSquawks::kFields);
            PilotSquawks::add(pilots, pilot);
        }
    }
    if (lines->failed()) {
        ConnectErrorTrap::fileFailed(context, FileStatus::IoError, path);
        return false;
    }
    lines.reset();
    PositionKinds::show(context.state.Station, search.positionName());
    StationPresenter::present(context.state.Station, context.window);
    if (search.outcome() != StationSearch::Outcome::Found) {
        notFound(context);
        return false;
    }
    return true;
}

void ConnectOperation::notFound(AppContext& context) {
    MainWindowModel& w = context.window;
    context.warn(kWrongAccount);
    w.topStrip.account.enabled = true;
    w.topStrip.account.text.clear();
    w.topStrip.connect.enabled = true;
    w.focus = w.topStrip.account.name;
    ConnectionReset::resetConnection(context);
    w.topStrip.exit.enabled = true;
    WindowLayouts::posinit(w);
}

bool ConnectOperation::loadRunways(AppContext& context) {
    if (!SettingsStore::isAvailable(context.state, context.files(), context.folder,
                                    Setting::ProcFolder)) {
        context.warn(kNoProcedureSetting);
        ConnectionReset::resetConnection(context);
        return false;
    }
    const FileStatus status =
        SettingsStore::load(context.state, context.files(), context.folder, Setting::ProcFolder);
    if (status != FileStatus::Ok) {
        ConnectErrorTrap::fileFailed(context, status,
                                     SettingsStore::path(context.folder, Setting::ProcFolder));
        return false;
    }
    const std::string& code = context.state.AirportCode;
    if (!ProcedureFile::isSafeAirportCode(code)) {
        context.warn(unsafeAirportCode(code));
        ConnectionReset::resetConnection(context);
        return false;
    }
    return readProcedureFile(context);
}

bool ConnectOperation::readProcedureFile(AppContext& context) {
    const std::string path = ProcedureLines::path(context.files(), context.state);
    FileStatus status = FileStatus::Ok;
    auto lines = ProcedureFile::open(context.files(), path, status);
    if (!lines && status == FileStatus::FileNotFound) {
        // The station still works without runways: squawk range and traffic lists follow.
        context.warn(ConnectErrorTrap::procedureFileMissing(path));
        return true;
    }
    if (!lines) {
        ConnectErrorTrap::fileFailed(context, status, path);
        return false;
    }
    const bool whole = RunwayReader::read(*lines, context.state.AirportCode, context.window,
                                          context.state.Station);
    StationPresenter::present(context.state.Station, context.window);
    if (!whole) {
        ConnectErrorTrap::fileFailed(context, FileStatus::IoError, path);
        return false;
    }
    return true;
}

}  // namespace corvane
