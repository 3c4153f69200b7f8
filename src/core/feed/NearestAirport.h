#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "feed/AirportTable.h"

namespace corvane {

/// The aerodromes of the airport table filed in one-degree cells, to name the one nearest an
/// aircraft.
class NearestAirport {
public:
    /// How far an aerodrome may be and still be "near": about a terminal area's reach.
    static constexpr double kRadiusNm = 30.0;
    /// What stands for "no aerodrome near".
    static constexpr const char* kNone = "ZZZZ";

    explicit NearestAirport(const AirportTable& airports = {});

    /// The code of the aerodrome nearest the point (degrees) within `kRadiusNm` along the great
    /// circle, the smaller code of two at the same distance; `kNone` when none is that near or
    /// the numbers are no position.
    std::string near(double latitude, double longitude) const;

private:
    struct Entry {
        double latitude;
        double longitude;
        std::array<char, 4> code;
    };

    std::vector<Entry> airports_;            ///< grouped by cell
    std::vector<std::uint32_t> cellStarts_;  ///< per cell, then one past the last
};

}  // namespace corvane
