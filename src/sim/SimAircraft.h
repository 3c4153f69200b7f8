#pragma once

#include <variant>

#include "FiledPlan.h"
#include "FlightProfile.h"
#include "HoldingLoop.h"

namespace corvane::sim {

/// One simulated pilot client: its filed plan and the way it moves.
struct SimAircraft {
    FiledPlan plan;                                  ///< what the snapshot line shows
    std::variant<FlightProfile, HoldingLoop> track;  ///< how the aircraft moves over time
    double offsetS = 0.0;                            ///< where in its track it is at time zero

    AircraftState stateAt(double t) const {
        return std::visit([&](const auto& tr) { return tr.at(t + offsetS); }, track);
    }

    /// One repetition of the aircraft's track.
    double periodS() const {
        return std::visit([](const auto& tr) { return tr.periodS(); }, track);
    }
};

}  // namespace corvane::sim
