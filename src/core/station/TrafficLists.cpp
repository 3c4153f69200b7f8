#include "station/TrafficLists.h"

#include <string>

#include "app/AppContext.h"
#include "station/ConnectErrorTrap.h"
#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"

namespace corvane {

void TrafficLists::addLine(const SnapshotLine& line, std::string_view airportCode, bool centreMode,
                           MainWindowModel& window) {
    const std::string_view callsign = line.field(snapshot::Callsign);
    if (line.fieldIs(snapshot::DepAirport, airportCode)) {
        window.LstDeparture.add(std::string(callsign));
    }
    if (line.fieldIs(snapshot::DestAirport, airportCode)) {
        window.LstArrival.add(std::string(callsign));
    }
    if (centreMode && line.fieldIs(snapshot::CtrCurrent, airportCode)) {
        if (line.fieldIs(snapshot::CtrDep, airportCode)) {
            window.LstDeparture.add(std::string(callsign));
        }
        if (line.fieldIs(snapshot::CtrArr, airportCode)) {
            window.LstArrival.add(std::string(callsign));
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
    const std::size_t highest = centre ? snapshot::CtrArr : snapshot::DestAirport;
    const std::string airportCode = context.state.AirportCode;
    SnapshotLine fields;
    std::string_view raw;
    while (lines->next(raw)) {
        fields.split(raw, highest);
        addLine(fields, airportCode, centre, context.window);
    }
    if (lines->failed()) {
        ConnectErrorTrap::fileFailed(context, FileStatus::IoError, path);
        return false;
    }
    return true;
}

}  // namespace corvane
