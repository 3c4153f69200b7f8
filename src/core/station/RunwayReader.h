#pragma once

#include <string_view>

namespace corvane {

class LineSource;
class MainWindowModel;
struct StationState;

/// `ReadRunways`: the runway section at the top of the airport's procedure file.
namespace RunwayReader {
/// Reads `lines` from the first line: every runway line adds its designator to `CmbTORwy`
/// and then to `cmbLandRwy`, the airport name line sets the station's airport name, the AIRAC
/// line sets `LblAirac`. Stops after the "ENDRNWS" line, or at the end of a file that has none.
/// Returns false when reading failed part-way (what was read so far stays listed).
bool read(LineSource& lines, std::string_view airportCode, MainWindowModel& window,
          StationState& station);
}  // namespace RunwayReader

}  // namespace corvane
