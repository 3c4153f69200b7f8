#pragma once

#include <string>

#include "AircraftState.h"
#include "FiledPlan.h"
#include "StationRoster.h"

namespace corvane::sim {

/// Writes snapshot lines: fields separated by ":", numbers with a "." decimal mark whatever
/// the locale, every line ended by CR LF.
class SnapshotFormatter {
public:
    static void appendStation(std::string& out, const Station& station);

    static void appendPilot(std::string& out, const FiledPlan& plan, const AircraftState& state);

    /// A number with exactly `decimals` digits after the ".".
    static std::string fixed(double value, int decimals);
};

}  // namespace corvane::sim
