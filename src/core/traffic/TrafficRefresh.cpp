#include "traffic/TrafficRefresh.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/TextCodec.h"
#include "common/TextColumns.h"
#include "snapshot/LineKey.h"
#include "snapshot/PilotSquawks.h"
#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotLine.h"
#include "station/AtisInformation.h"
#include "station/TrafficLists.h"
#include "traffic/ArrivalAnalysis.h"
#include "traffic/DepartureAnalysis.h"
#include "traffic/TrafficSelection.h"
#include "window/AppContext.h"
#include "window/Connection.h"
#include "window/SquawkWatch.h"
#include "window/TrafficPanelPresenter.h"

namespace corvane {

namespace {

// What one read of the snapshot gives a refresh.
struct SnapshotRead {
    TrafficLists traffic;
    std::optional<std::string> stationLine;
    std::vector<std::string> aircraftLines;
    SquawkCensus squawks;
    AircraftSquawks pilots;
};

// The start of every line of the followed `callsign`; nothing when no aircraft is followed.
std::optional<std::string> lineKey(const std::string& callsign) {
    return callsign.empty() ? std::nullopt : LineKey::forCallsign(callsign);
}

bool startsWith(std::string_view raw, const std::optional<std::string>& key) {
    return key && raw.starts_with(*key);
}

// The aircraft a side follows: the one its analysis shows, while its list entry (traffic or
// assigned list) is still selected.
std::string followedAircraft(ProgramState& state, const TrafficPanel& panel, TrafficSide side) {
    const std::string& selected = state.selectedCallsign(side);
    if (selected.empty()) {
        return {};
    }
    if (panel.traffic.hasIndex(panel.traffic.selected) &&
        panel.traffic.selectedText() == selected) {
        return selected;
    }
    const std::string_view entry = state.assignedEntry(side, panel.cleared.selected);
    if (!entry.empty() && assignedEntryCallsign(entry) == trimSpaces(selected)) {
        return selected;
    }
    return {};
}

std::optional<SnapshotRead> readSnapshot(AppContext& context, const std::string& departure,
                                         const std::string& arrival) {
    ProgramState& state = context.state;
    FileStatus status = FileStatus::Ok;
    auto lines = context.files().openLines(state.SnapshotPath, status);
    if (!lines) {
        return std::nullopt;
    }
    SnapshotRead read{TrafficLists(state.AirportCode, state.CentreMode), std::nullopt, {}, {}, {}};
    // The station's line is the one of its callsign and of the controller's VID: another
    // client of the same callsign (a second controller, a pilot named like it) is not it.
    auto stationKey = lineKey(state.Station.callsign);
    if (stationKey) {
        *stationKey += LineKey::of({state.StationVid});
    }
    const auto departureKey = lineKey(departure);
    const auto arrivalKey = lineKey(arrival);
    std::string_view raw;
    SnapshotLine squawks;
    bool cutPilotLine = false;
    while (lines->nextRaw(raw)) {
        read.traffic.addRawLine(raw);
        if (startsWith(raw, stationKey)) {
            read.stationLine = TextCodec::decodeLine(raw);
        }
        // Kept as read: the analysis knows a line by its bytes as read.
        if (startsWith(raw, departureKey) || startsWith(raw, arrivalKey)) {
            read.aircraftLines.emplace_back(raw);
        }
        squawks.splitFields(raw, PilotSquawks::kFields);
        PilotSquawks::add(read.pilots, squawks);
        cutPilotLine = cutPilotLine ||
                       (lines->lastLineCut() && (!squawks.has(snapshot::ClientKind) ||
                                                 squawks.field(snapshot::ClientKind) == "PILOT"));
        read.squawks.add(raw, squawks.field(snapshot::Squawk));
    }
    // Every line of a finished snapshot ends with a line end, and the station's own line is in
    // it while the controller is connected: anything else is a file still being written.
    if (lines->failed() || lines->endedInsideLine() || !read.stationLine) {
        return std::nullopt;
    }
    // A pilot line cut by the reader hides its squawk: the codes in use stay those of the last
    // whole read.
    if (!cutPilotLine) {
        state.LastWholeSnapshot = std::move(read.squawks);
    }
    return read;
}

void reload(ListBox& list, std::vector<std::string> fresh, const std::set<std::string>& cleared) {
    const bool hadSelection = list.hasIndex(list.selected);
    const std::string selected = list.selectedText();
    std::erase_if(fresh,
                  [&cleared](const std::string& callsign) { return cleared.count(callsign) > 0; });
    list.setItems(std::move(fresh));
    list.selected = -1;
    if (hadSelection) {
        const auto found = std::find(list.items.begin(), list.items.end(), selected);
        if (found != list.items.end()) {
            list.selected = static_cast<int>(found - list.items.begin());
        }
    }
}

// The aircraft has left the snapshot: its side stops showing where it is and how it flies. What
// it filed stays, as its plan record still names it; the arrival panel shows no filed figure
// but the destination, which goes with the distance to it.
void forgetAircraft(AppContext& context, TrafficSide side) {
    MainWindowModel& w = context.window;
    using A = AnalysedAircraft;
    AnalysedAircraft& aircraft = context.state.aircraft(side);
    if (side == TrafficSide::Departure) {
        aircraft.clearFiguresBut(
            {&A::filedDeparture, &A::filedDestination, &A::filedLevel, &A::filedSpeed});
    } else {
        aircraft.clearFiguresBut({&A::filedDeparture, &A::filedLevel, &A::filedSpeed});
    }
    TrafficSelection::clearMessage(aircraft.message, w.panel(side).message);
    TrafficPanelPresenter::present(side, context.state, w);
}

bool holdsLineOf(const std::vector<std::string>& lines, const std::string& callsign) {
    const std::string key = LineKey::of({callsign});
    return std::any_of(lines.begin(), lines.end(),
                       [&key](const std::string& line) { return line.starts_with(key); });
}

// Analyses the side's followed aircraft again as a click on it would, from the lines the
// refresh kept of its one read of the snapshot.
void follow(AppContext& context, TrafficSide side, const std::string& callsign,
            const std::vector<std::string>& lines) {
    if (callsign.empty()) {
        return;
    }
    if (!holdsLineOf(lines, callsign)) {
        forgetAircraft(context, side);
        return;
    }
    const ScanResult scan = AircraftLineScan::pick(lines, callsign);
    TrafficSelection::clearMessage(context.state.aircraft(side).message,
                                   context.window.panel(side).message);
    if (side == TrafficSide::Departure) {
        DepartureAnalysis::apply(context, scan);
    } else {
        ArrivalAnalysis::apply(context, scan);
    }
}

}  // namespace

TrafficRefresh::Outcome TrafficRefresh::refresh(AppContext& context) {
    if (!Connection::connected(context.window, context.state)) {
        return Outcome::NotConnected;
    }
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    const std::string departure = followedAircraft(state, w.departure, TrafficSide::Departure);
    const std::string arrival = followedAircraft(state, w.arrival, TrafficSide::Arrival);
    std::optional<SnapshotRead> read = readSnapshot(context, departure, arrival);
    if (!read) {
        return Outcome::NotReady;
    }
    reload(w.departure.traffic, read->traffic.departures(), state.ClearedDepartures);
    reload(w.arrival.traffic, read->traffic.arrivals(), state.ClearedArrivals);

    // The side the controller analysed last stays the one whose plan and figures the driver
    // reports, whichever side the refresh follows.
    const TrafficSide lastAnalysed = state.LastAnalysedSide;
    follow(context, TrafficSide::Departure, departure, read->aircraftLines);
    follow(context, TrafficSide::Arrival, arrival, read->aircraftLines);
    state.LastAnalysedSide = lastAnalysed;
    // The marks come from the whole read, not from the few lines the analyses were given.
    SquawkWatch::watch(w, state, context.platform, read->pilots);

    SnapshotLine station;
    station.split(*read->stationLine, snapshot::Atis);
    if (station.has(snapshot::Atis) &&
        AtisInformation::showRefreshedAtis(w, state, station.field(snapshot::Atis))) {
        w.topStrip.qnh.backColour = colour::kOrange;
        w.topStrip.qnhInches.backColour = colour::kOrange;
    }
    return Outcome::Refreshed;
}

void TrafficRefresh::qnhSeen(MainWindowModel& window) {
    window.topStrip.qnh.backColour = colour::kYellow;
    window.topStrip.qnhInches.backColour = colour::kYellow;
}

}  // namespace corvane
