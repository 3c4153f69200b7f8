#pragma once

#include <string>
#include <vector>

namespace corvane::sim::test {

/// What the aircraft analyses read from one pilot line, in the units they use.
struct PilotReading {
    double alt = 0.0;  ///< feet
    double gs = 0.0;   ///< knots
    double fl = 0.0;   ///< filed level, hundreds of feet
    double tas = 0.0;  ///< filed speed, knots
    double d = 0.0;    ///< whole NM from the present position to the destination
};

/// The reading of a pilot line split into fields (at least 47).
PilotReading readPilot(const std::vector<std::string>& fields);

/// The flight phase the analyses give, starting from the phase shown before.
std::string flightPhase(const PilotReading& r, const std::string& previous);

/// Number (1..7) of the departure-side parameter message.
int departureMessage(const PilotReading& r, const std::string& phase);

/// Number (1..6) of the arrival-side parameter message.
int arrivalMessage(const PilotReading& r, const std::string& phase);

}  // namespace corvane::sim::test
