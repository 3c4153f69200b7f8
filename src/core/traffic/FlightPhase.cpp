#include "traffic/FlightPhase.h"

namespace corvane {

std::optional<std::string> FlightPhase::classify(const FlightFigures& f) {
    const double alt = f.altitude;
    const double gs = f.groundSpeed;
    const double d = f.distanceToGo;
    const double topOfClimb = f.filedLevel * 100.0 - 2000.0;
    const double descentRange = f.filedLevel / 3.0;
    std::optional<std::string> phase;
    if (alt > topOfClimb) {
        phase = "EN ROUTE";
    }
    if (gs > 0.0 && gs < 40.0) {
        phase = "TAXING";
    }
    if (gs == 0.0) {
        phase = "ON THE GROUND";
    }
    if (gs > 80.0 && alt < topOfClimb && d > descentRange) {
        phase = "CLIMBING";
    }
    if (d > 10.0 && alt < topOfClimb && d < descentRange) {
        phase = "DESCENDING";
    }
    if (d > 2.0 && d < 11.0 && gs > 100.0 && gs < 240.0) {
        phase = "APPROACHING";
    }
    if (d < 2.0 && gs > 100.0 && gs < 240.0) {
        phase = "FINAL APPROACHING";
    }
    return phase;
}

}  // namespace corvane
