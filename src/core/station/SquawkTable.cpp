#include "station/SquawkTable.h"

#include <string>

#include "common/TextColumns.h"
#include "station/AtisInformation.h"
#include "station/ConnectErrorTrap.h"
#include "window/AppContext.h"
#include "window/ConnectionReset.h"
#include "window/StationPresenter.h"

namespace corvane {

namespace {

constexpr const char* kTableMissing =
    "PAY ATTENTION!!! SSR_CODE.TXT NOT PRESENT INSIDE FOLDER. PLEASE CREATE THIS FILE EMPTY IN "
    "DATA FOLDERY";
constexpr const char* kAirportMissing =
    "AIRPORT ICAO CODE NOT PRESENT IN SSR_CODE.TXT. PLEASE OPEN WITH NOTEPAD THE FILE AND INSERT "
    "MANUALLY ICAO CODE IN THIS MODE  ICAO CODE:SQUAWK1:SQUAWK2:TRANSITION ALTITUDE.";
constexpr const char* kDefaultFirstCode = "6000";
constexpr const char* kDefaultLastCode = "6077";

}  // namespace

std::string_view SquawkTable::airport(std::string_view line) {
    return TextColumns::columns(line, 1, 4);
}

std::string_view SquawkTable::firstCode(std::string_view line) {
    return TextColumns::columns(line, 6, 9);
}

std::string_view SquawkTable::lastCode(std::string_view line) {
    return TextColumns::columns(line, 11, 14);
}

std::string_view SquawkTable::transitionAltitude(std::string_view line) {
    return TextColumns::columns(line, 16, 20);
}

bool SquawkTable::load(AppContext& context) {
    StationState& station = context.state.Station;
    const std::string path = context.folder.dataFile(ProgramFolder::kSquawkTable);
    if (!context.files().exists(path)) {
        context.warn(kTableMissing);
        ConnectionReset::resetConnection(context);
        return false;
    }
    FileStatus status = FileStatus::Ok;
    auto lines = context.files().openLines(path, status);
    if (!lines) {
        ConnectErrorTrap::fileFailed(context, status, path);
        return false;
    }
    bool found = false;
    bool endedOnAltitude = false;
    std::string_view line;
    while (!endedOnAltitude && lines->next(line)) {
        if (airport(line) != context.state.AirportCode) {
            continue;  // another airport's line leaves what was found as it is
        }
        found = true;
        station.firstCode = std::string(firstCode(line));
        station.lastCode = std::string(lastCode(line));
        station.transitionAltitude = std::string(transitionAltitude(line));
        if (station.transitionAltitude.empty()) {
            // The airport is listed without a transition altitude: its codes count, and a later
            // line of the same airport may still bring an altitude.
            station.transitionLevel.clear();
        } else {
            endedOnAltitude = true;
        }
    }
    if (!endedOnAltitude && lines->failed()) {
        ConnectErrorTrap::fileFailed(context, FileStatus::IoError, path);
        return false;
    }
    lines.reset();
    if (endedOnAltitude) {
        AtisInformation::transitionLevel(station, context.state.QnhPosition);
    }
    if (!found) {
        station.firstCode = kDefaultFirstCode;
        station.lastCode = kDefaultLastCode;
    }
    station.nextCode = station.firstCode;
    StationPresenter::present(station, context.window);
    if (!found) {
        context.warn(kAirportMissing);
    }
    return true;
}

}  // namespace corvane
