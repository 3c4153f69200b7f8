#pragma once

#include <cstddef>
#include <string>

#include "feed/AirportTable.h"
#include "feed/LiveFeed.h"
#include "feed/PilotPlaces.h"

namespace corvane {

/// A traffic snapshot made from a live feed, with what could not go into it.
struct FeedSnapshot {
    std::string text;          ///< the snapshot's lines, CR LF ended, UTF-8
    std::size_t stations = 0;  ///< station lines written
    std::size_t pilots = 0;    ///< pilot lines written
    /// Clients left out: a callsign that cannot be written, one that another client written
    /// holds, or one past the clients the reader takes from a document.
    std::size_t leftOut = 0;
    std::size_t withoutPosition = 0;  ///< pilots left out: no position report yet
};

/// The longest feed text written into one column, in bytes. A route or remarks field of
/// megabytes would push the later columns (the squawk among them) past the length at which the
/// program cuts a line; real routes and ATIS texts stay below 1 kB.
inline constexpr std::size_t kMaxFeedTextBytes = 4096;

/// The longest callsign written; a longer one is no real station or aircraft.
inline constexpr std::size_t kMaxFeedCallsignLength = 12;

/// Turns a live feed into the traffic snapshot the program reads: one station line per
/// controller, one pilot line per pilot with a position. A column is filled where the feed has
/// the value and left empty where it has not; a ":", a line break or another control character
/// in a feed text becomes a space, since it would shift every later column. A callsign is
/// written only when made of letters, digits, "_" and "-" (the program finds a station by the
/// start of its callsign); when several clients would be written under one callsign, the one
/// connected last is kept, and on a tie the first in the document (stations before pilots).
/// With `places`, a pilot line also gets the aerodrome near the aircraft and the FIRs of its
/// position, departure and arrival.
FeedSnapshot snapshotFromFeed(const LiveFeed& feed, const AirportTable& airports,
                              const PilotPlaces* places = nullptr);

}  // namespace corvane
