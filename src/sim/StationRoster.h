#pragma once

#include <span>
#include <string_view>

#include "GreatCircle.h"

namespace corvane::sim {

struct Station {
    std::string_view callsign;   ///< e.g. "EDDF_APP"; 8, 10, 11 or 12 characters (9 is odd)
    std::string_view vid;        ///< six digits
    std::string_view realName;   ///< controller's name and surname
    std::string_view rating;     ///< controller rating number
    std::string_view frequency;  ///< MHz, e.g. "120.800"
    std::string_view location;   ///< text the radar client shows for the station
    GeoPoint position;           ///< where the station's scope is centred
    std::string_view atis;       ///< ATIS text, empty for none
};

/// The controller stations online in the demo, the demo user's own station first.
class StationRoster {
public:
    static std::span<const Station> all();

    /// The demo user's station: EDDF_APP, VID 123456, JANE DOE, rating 5.
    static const Station& demoUser();
};

}  // namespace corvane::sim
