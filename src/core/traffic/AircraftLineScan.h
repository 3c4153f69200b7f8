#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "snapshot/PilotReading.h"
#include "window/AircraftSquawks.h"
#include "window/SquawkCensus.h"

namespace corvane {

class Platform;

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
    /// What every pilot of the snapshot squawks (nothing gathered when it was unreadable, nor
    /// from the few lines a refresh holds).
    AircraftSquawks squawks;
    /// The wake category marked in the aircraft's line, and the line read, when it was found.
    std::string wakeCategory;
    std::optional<PilotReading> reading;

    /// The snapshot was read to its end and holds no whole line of the aircraft.
    bool missing() const { return outcome == ScanOutcome::Finished && !found; }
};

/// The one streaming pass over the snapshot that both aircraft analyses make: of the lines whose
/// callsign field equals the selected callsign, the last whole one is read, with its wake
/// category and the "NONE" test.
namespace AircraftLineScan {
/// Reads the snapshot at `snapshotPath` once, gathering every pilot's squawk on the way. A line
/// without every field up to the last one read (FlightType) was cut by a rewrite in place and is
/// passed over. A snapshot that cannot be opened or read is reported in a message box.
ScanResult run(Platform& platform, const std::string& snapshotPath, const std::string& callsign);
/// The same choice among `lines`, the lines of the aircraft a refresh kept from its one read.
ScanResult pick(const std::vector<std::string>& lines, const std::string& callsign);
/// Tells the user that the snapshot holds no line of `callsign`, so its panel was emptied.
void reportMissing(Platform& platform, const std::string& callsign);
}  // namespace AircraftLineScan

}  // namespace corvane
