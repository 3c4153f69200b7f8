#pragma once

#include <string>

namespace corvane {

class Platform;
class ProgramFolder;
struct ProgramState;

/// Finds an aircraft's airline in the airline table (DATA/airlines.dat): lines of
/// "designator:...:display name", matched on their first three characters.
namespace AirlineLookup {
inline constexpr const char* kUnknown = "UNKNOWN";

/// Shows in `airline` the display name of the first table line whose first three
/// characters equal those of `callsign` and that has at least three fields; "UNKNOWN" after
/// a scan without a match, the label unchanged for an empty table. A missing or unreadable
/// table shows "UNKNOWN" and is reported once per run (`AirlineTableReported`).
void lookup(ProgramState& state, Platform& platform, const ProgramFolder& folder,
            const std::string& callsign, std::string& airline);
}  // namespace AirlineLookup

}  // namespace corvane
