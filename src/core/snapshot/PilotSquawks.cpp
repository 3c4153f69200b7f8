#include "snapshot/PilotSquawks.h"

#include "common/TextCodec.h"

namespace corvane {

void PilotSquawks::add(AircraftSquawks& squawks, const SnapshotLine& line) {
    if (squawks.overflowed() || !line.fieldIs(snapshot::ClientKind, "PILOT") ||
        line.field(snapshot::Callsign).empty()) {
        return;
    }
    std::string callsign = TextCodec::decodeField(line.field(snapshot::Callsign), line.raw());
    if (line.has(snapshot::FlightType)) {
        squawks.seen(std::move(callsign), std::string(line.field(snapshot::Squawk)));
    } else {
        squawks.seenCut(std::move(callsign));
    }
}

}  // namespace corvane
