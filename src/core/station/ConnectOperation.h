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
namespace ConnectOperation {
/// Runs the whole connect on the operator text of `TxtOperatorName`.
void connect(AppContext& context);

// The steps the functions above are built of.
bool checkOperatorText(AppContext& context);
bool loadSnapshotPath(AppContext& context);
bool searchStation(AppContext& context, std::string_view typed, SearchPassTraffic& traffic);
// The station code of the position shown: the first four characters of its callsign.
std::string stationCode(const MainWindowModel& window);
void notFound(AppContext& context);
bool loadRunways(AppContext& context);
bool readProcedureFile(AppContext& context);
}  // namespace ConnectOperation

}  // namespace corvane
