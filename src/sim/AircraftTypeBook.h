#pragma once

#include <span>
#include <string_view>

namespace corvane::sim {

/// Performance and flight plan codes of one aircraft type.
struct AircraftType {
    std::string_view designator;  ///< ICAO type designator, always four characters
    std::string_view wake;        ///< wake turbulence category letter
    std::string_view equipment;   ///< equipment and surveillance codes
    int cruiseKt = 450;           ///< typical cruising true airspeed
    int ceilingFt = 39000;        ///< highest usual cruising level
    int approachKt = 140;         ///< ground speed over the threshold in still air
    int seats = 180;              ///< persons on board when full
    bool generalAviation = false;
};

/// The aircraft types the simulated traffic flies.
class AircraftTypeBook {
public:
    /// Every type, airliners first.
    static std::span<const AircraftType> all();

    /// The type with this designator; the first airliner when it is unknown.
    static const AircraftType& get(std::string_view designator);

    /// The airliner types (the ones without general aviation).
    static std::span<const AircraftType> airliners();
};

}  // namespace corvane::sim
