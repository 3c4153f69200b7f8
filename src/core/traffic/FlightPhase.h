#pragma once

#include <optional>
#include <string>

namespace corvane {

/// What the phase and message rules read: altitude in feet, ground speed in knots, the filed
/// level in hundreds of feet, the filed true airspeed in knots and the distance to go in NM.
struct FlightFigures {
    double altitude = 0.0;
    double groundSpeed = 0.0;
    double filedLevel = 0.0;
    double filedTas = 0.0;
    double distanceToGo = 0.0;
};

/// Shared by both panels.
namespace FlightPhase {
/// Tests the seven phase rules in order; every rule that holds overrides the earlier ones,
/// so the last one that holds is returned. Nothing when no rule holds (the label keeps its
/// text).
std::optional<std::string> classify(const FlightFigures& figures);
}  // namespace FlightPhase

}  // namespace corvane
