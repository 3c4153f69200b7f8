#include "station/TrafficLists.h"

#include <iterator>

#include "common/TextCodec.h"
#include "platform/LineSource.h"
#include "snapshot/SnapshotField.h"
#include "station/ConnectErrorTrap.h"
#include "window/AppContext.h"

namespace corvane {

namespace {

std::uint64_t fieldsRead(bool centreMode) {
    std::uint64_t read = SnapshotLine::bit(snapshot::Callsign) |
                         SnapshotLine::bit(snapshot::DepAirport) |
                         SnapshotLine::bit(snapshot::DestAirport);
    if (centreMode) {
        read |= SnapshotLine::bit(snapshot::CtrCurrent) | SnapshotLine::bit(snapshot::CtrDep) |
                SnapshotLine::bit(snapshot::CtrArr);
    }
    return read;
}

void append(std::vector<std::string>& gathered, ListBox& list) {
    if (list.items.empty()) {
        list.items.swap(gathered);
    } else {
        list.items.insert(list.items.end(), std::make_move_iterator(gathered.begin()),
                          std::make_move_iterator(gathered.end()));
    }
    gathered.clear();
    if (!list.marks.empty()) {
        list.marks.resize(list.items.size());
    }
}

}  // namespace

TrafficLists::TrafficLists(std::string_view airportCode, bool centreMode)
    : airportCode_(airportCode),
      centreMode_(centreMode),
      asciiCode_(TextCodec::isAscii(airportCode)),
      wantedFields_(fieldsRead(centreMode)) {}

bool TrafficLists::isFor(std::string_view airportCode, bool centreMode) const {
    return airportCode_ == airportCode && centreMode_ == centreMode;
}

void TrafficLists::addRawLine(std::string_view raw) {
    if (!asciiCode_) {
        decoded_ = TextCodec::decodeLine(raw);
        raw = decoded_;
    }
    fields_.splitFields(raw, wantedFields_);
    addLine(fields_);
}

void TrafficLists::addLine(const SnapshotLine& line) {
    const auto list = [&line](std::vector<std::string>& traffic) {
        traffic.push_back(TextCodec::decodeField(line.field(snapshot::Callsign), line.raw()));
    };
    if (line.fieldIs(snapshot::DepAirport, airportCode_)) {
        list(departures_);
    }
    if (line.fieldIs(snapshot::DestAirport, airportCode_)) {
        list(arrivals_);
    }
    if (centreMode_ && line.fieldIs(snapshot::CtrCurrent, airportCode_)) {
        if (line.fieldIs(snapshot::CtrDep, airportCode_)) {
            list(departures_);
        }
        if (line.fieldIs(snapshot::CtrArr, airportCode_)) {
            list(arrivals_);
        }
    }
}

bool TrafficLists::addLines(LineSource& lines, std::size_t maxLines) {
    std::string_view raw;
    for (std::size_t read = 0; read < maxLines && lines.nextRaw(raw); ++read) {
        addRawLine(raw);
    }
    return !lines.failed();
}

void TrafficLists::moveTo(MainWindowModel& window) {
    append(departures_, window.departure.traffic);
    append(arrivals_, window.arrival.traffic);
}

bool TrafficLists::load(AppContext& context, LineSource& lines, std::size_t maxLines) {
    TrafficLists traffic(context.state.AirportCode, context.state.CentreMode);
    if (!traffic.addLines(lines, maxLines)) {
        ConnectErrorTrap::fileFailed(context, FileStatus::IoError, context.state.SnapshotPath);
        return false;
    }
    traffic.moveTo(context.window);
    return true;
}

}  // namespace corvane
