#pragma once

#include <span>
#include <string_view>

#include "GreatCircle.h"

namespace corvane::sim {

/// An aerodrome the simulated traffic flies between.
struct Airport {
    std::string_view icao;      ///< ICAO location indicator, e.g. "EDDF"
    GeoPoint position;          ///< aerodrome reference point
    int elevationFt = 0;        ///< field elevation
    std::string_view areaCode;  ///< four-letter code of the area control around the aerodrome
};

/// The fixed set of aerodromes known to the simulator.
class AirportCatalog {
public:
    /// Every known aerodrome, the demo airport EDDF first.
    static std::span<const Airport> all();

    /// The aerodrome with this ICAO code; the demo airport when the code is unknown.
    static const Airport& get(std::string_view icao);

    /// The demo airport the simulated traffic centres on.
    static const Airport& demo();
};

}  // namespace corvane::sim
