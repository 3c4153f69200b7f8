#pragma once

#include <cstddef>
#include <string>

#include "feed/AirportTable.h"
#include "feed/LiveFeed.h"
#include "feed/PilotPlaces.h"

namespace corvane {

/// A traffic snapshot made from a live feed, with what could not go into it.
struct FeedSnapshot {
    std::string text;                 ///< the snapshot's lines, CR LF ended, UTF-8
    std::size_t stations = 0;         ///< station lines written
    std::size_t pilots = 0;           ///< pilot lines written
    std::size_t unsafeCallsigns = 0;  ///< clients left out: no callsign that can be written
    std::size_t withoutPosition = 0;  ///< pilots left out: no position report yet
};

/// Turns a live feed into the traffic snapshot the program reads: one station line per
/// controller, one pilot line per pilot with a position. A column is filled where the feed has
/// the value and left empty where it has not; a ":" or a line break in a feed text becomes a
/// space, since it would shift every later column. With `places`, a pilot line also gets the
/// aerodrome near the aircraft and the FIRs of its position, departure and arrival.
FeedSnapshot snapshotFromFeed(const LiveFeed& feed, const AirportTable& airports,
                              const PilotPlaces* places = nullptr);

}  // namespace corvane
