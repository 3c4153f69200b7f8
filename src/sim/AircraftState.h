#pragma once

#include "GreatCircle.h"

namespace corvane::sim {

/// Where an aircraft is and how it moves at one moment.
struct AircraftState {
    GeoPoint position;           ///< present position
    double altitudeFt = 0.0;     ///< altitude above mean sea level
    double groundSpeedKt = 0.0;  ///< ground speed
    double headingDeg = 0.0;     ///< true heading, 0..360
};

}  // namespace corvane::sim
