#pragma once

#include <string_view>

namespace corvane {

class AppContext;
class MainWindowModel;
class SnapshotLine;

/// The station's traffic: `LstDeparture` and `LstArrival` filled from the traffic snapshot.
class TrafficLists {
public:
    /// Reads the snapshot again and appends the callsign of every line that departs from or
    /// arrives at the station (for a centre: whose area and departure or arrival area are the
    /// centre's). A snapshot that cannot be read is reported and the connection reset; returns
    /// false then.
    static bool load(AppContext& context);
    /// Adds the callsign of one split snapshot line to the lists it belongs to.
    static void addLine(const SnapshotLine& line, std::string_view airportCode, bool centreMode,
                        MainWindowModel& window);
};

}  // namespace corvane
