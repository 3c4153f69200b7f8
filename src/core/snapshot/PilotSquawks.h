#pragma once

#include <cstdint>

#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotLine.h"
#include "window/AircraftSquawks.h"

namespace corvane {

/// The transponder codes of the pilots of a snapshot, gathered line by line on a pass that
/// reads the snapshot anyway.
namespace PilotSquawks {
/// The fields add() reads: a pass splits its lines with at least these.
inline constexpr std::uint64_t kFields =
    SnapshotLine::bit(snapshot::Callsign) | SnapshotLine::bit(snapshot::ClientKind) |
    SnapshotLine::bit(snapshot::Squawk) | SnapshotLine::bit(snapshot::FlightType);

/// Records the squawk of `line` when it is a pilot's: a line that ends before FlightType is cut
/// and tells only that the aircraft is there.
void add(AircraftSquawks& squawks, const SnapshotLine& line);
}  // namespace PilotSquawks

}  // namespace corvane
