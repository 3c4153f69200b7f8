#pragma once

#include <string>
#include <string_view>

namespace corvane {

class AppContext;
class MainWindowModel;
class SearchPassTraffic;

/// The connect ("CONNECT TO IVAO SERVER"): finds the operator's station in the traffic
/// snapshot, shows it, and loads its runways, squawk range and traffic lists. Every failure
/// shows its message and resets the connection.
class ConnectOperation {
public:
    /// Runs the whole connect on the operator text of `TxtOperatorName`.
    static void connect(AppContext& context);

private:
    static bool checkOperatorText(AppContext& context);
    static bool loadSnapshotPath(AppContext& context);
    static bool searchStation(AppContext& context, std::string_view typed,
                              SearchPassTraffic& traffic);
    // The station code of the position shown: the first four characters of its callsign.
    static std::string stationCode(const MainWindowModel& window);
    static void notFound(AppContext& context);
    static bool loadRunways(AppContext& context);
    static bool readProcedureFile(AppContext& context);
};

}  // namespace corvane
