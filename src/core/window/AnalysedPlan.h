#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "window/AnalysedAircraft.h"
#include "window/FlightPlanRecord.h"
#include "window/SquawkCensus.h"

namespace corvane {

/// The flight plan of the aircraft analysed last on one side, with the panel's figures as they
/// stood after that analysis: the sheet and the clearance speak this aircraft's plan only.
struct AnalysedPlan {
    std::string Callsign;
    FlightPlanRecord Record;
    std::string DepAerodrome;
    std::string Level;
    std::string CruiseSpeed;
    /// The snapshot line the plan was read from, when known: its squawk is the aircraft's own.
    std::optional<SnapshotLineId> Line;

    static AnalysedPlan capture(const std::string& callsign, const AnalysedAircraft& aircraft);
    /// The stored plan when it is the one of `callsign` (spaces around either ignored), else
    /// null: a clearance speaks only the plan read from its own aircraft's line.
    static const AnalysedPlan* of(const std::optional<AnalysedPlan>& plan,
                                  std::string_view callsign);
};

}  // namespace corvane
