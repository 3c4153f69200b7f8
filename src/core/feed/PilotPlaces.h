#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

#include "feed/AirportTable.h"
#include "feed/AreaLookup.h"
#include "feed/FirTable.h"
#include "feed/NearestAirport.h"

namespace corvane {

/// What the snapshot says about where a pilot is that the feed does not: the aerodrome near it
/// and the area controls (FIRs) of its position, its departure and its arrival.
class PilotPlaces {
public:
    PilotPlaces(const AirportTable& airports, FirTable firs);

    /// The aerodrome near the point (degrees), or "ZZZZ".
    std::string near(double latitude, double longitude) const {
        return nearest_.near(latitude, longitude);
    }
    /// The code of the FIR that holds the point, or "".
    std::string_view area(double latitude, double longitude) const {
        return areas_.areaAt(latitude, longitude);
    }
    /// The code of the FIR that holds the aerodrome `icao`, or "" when it is not in the airport
    /// table or no FIR holds it.
    std::string_view aerodromeArea(std::string_view icao) const;

private:
    AreaLookup areas_;
    NearestAirport nearest_;
    std::unordered_map<std::string, std::array<char, 4>> aerodromeAreas_;
};

}  // namespace corvane
