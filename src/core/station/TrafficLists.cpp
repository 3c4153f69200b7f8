#include "station/TrafficLists.h"

#include <string>

#include "app/AppContext.h"
#include "common/TextCodec.h"
#include "station/ConnectErrorTrap.h"
#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"

namespace corvane {

void TrafficLists::addLine(const SnapshotLine& line, std::string_view airportCode, bool centreMode,
                           MainWindowModel& window) {
    const auto list = [&line](ListBox& traffic) {
        traffic.add(TextCodec::decodeField(line.field(snapshot::Callsign), line.raw()));
    };
    if (line.fieldIs(snapshot::DepAirport, airportCode)) {
        list(window.LstDeparture);
    }
    if (line.fieldIs(snapshot::DestAirport, airportCode)) {
        list(window.LstArrival);
    }
    if (centreMode && line.fieldIs(snapshot::CtrCurrent, airportCode)) {
        if (line.fieldIs(snapshot::CtrDep, airportCode)) {
            list(window.LstDeparture);
        }
        if (line.fieldIs(snapshot::CtrArr, airportCode)) {
            list(window.LstArrival);
        }
    }
}

bool TrafficLists::load(AppContext& context) {
    const std::string& path = context.state.SnapshotPath;
    FileStatus status = FileStatus::Ok;
    auto lines = context.files().openLines(path, status);
    if (!lines) {
        ConnectErrorTrap::snapshotFailed(context, status, path);
        return false;
    }
    const bool centre = context.state.CentreMode;
    std::uint64_t read = SnapshotLine::bit(snapshot::Callsign) |
                         SnapshotLine::bit(snapshot::DepAirport) |
                         SnapshotLine::bit(snapshot::DestAirport);
    if (centre) {
        read |= SnapshotLine::bit(snapshot::CtrCurrent) | SnapshotLine::bit(snapshot::CtrDep) |
                SnapshotLine::bit(snapshot::CtrArr);
    }
    const std::string airportCode = context.state.AirportCode;
    // An ASCII code equals a field exactly when the raw bytes do, whatever the line's encoding,
    // so lines are decoded only for a code that is not ASCII, and callsigns only when listed.
    const bool asciiCode = TextCodec::isAscii(airportCode);
    SnapshotLine fields;
    std::string_view raw;
    std::string decoded;
    while (lines->nextRaw(raw)) {
        if (!asciiCode) {
            decoded = TextCodec::decodeLine(raw);
            raw = decoded;
        }
        fields.splitFields(raw, read);
        addLine(fields, airportCode, centre, context.window);
    }
    if (lines->failed()) {
        ConnectErrorTrap::fileFailed(context, FileStatus::IoError, path);
        return false;
    }
    return true;
}

}  // namespace corvane
