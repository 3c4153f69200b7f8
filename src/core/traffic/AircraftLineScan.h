#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "window/AircraftSquawks.h"
#include "window/SquawkCensus.h"

namespace corvane {

class Platform;
struct ProgramState;
struct PilotReading;

/// How a search of the traffic snapshot for the selected aircraft ended.
enum class ScanOutcome {
    /// Every line was read.
    Finished,
    /// The aircraft's line says "NONE" for the aircraft type: it has filed no flight plan.
    NoFlightPlan,
    /// The snapshot could not be opened or read to its end; the user has been told.
    Unreadable,
};

/// The outcome of a search and whether any whole line of the aircraft was met.
struct ScanResult {
    ScanOutcome outcome = ScanOutcome::Finished;
    bool found = false;
    /// The line the aircraft was read from: the last whole line of its callsign.
    std::optional<SnapshotLineId> line;
    /// What every pilot of the snapshot squawks (nothing gathered when it was unreadable).
    AircraftSquawks squawks;

    /// The snapshot was read to its end and holds no whole line of the aircraft.
    bool missing() const { return outcome == ScanOutcome::Finished && !found; }
};

/// The one streaming pass over the snapshot that both aircraft analyses make: every line whose
/// callsign field equals the selected callsign gets the wake-category search, the "NONE" test
/// and then its reading handed to the side's work.
namespace AircraftLineScan {
/// Work done on the reading of each matching line.
using ReadingWork = std::function<void(const PilotReading& pilot)>;

/// Reads the snapshot at the state's SnapshotPath once and hands the reading of the last
/// matching line to `work`, gathering every pilot's squawk on the way. A line without every field
/// up to the last one read (FlightType) was cut by a rewrite in place and is passed over; the line
/// taken first sets the plan record's WakeCategory. A snapshot that cannot be opened or read is
/// reported in a message box.
ScanResult run(ProgramState& state, Platform& platform, const std::string& callsign,
               const ReadingWork& work);
/// Tells the user that the snapshot holds no line of `callsign`, so its panel was emptied.
void reportMissing(Platform& platform, const std::string& callsign);
}  // namespace AircraftLineScan

}  // namespace corvane
