#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "window/FlightPlanRecord.h"
#include "window/SquawkCensus.h"

namespace corvane {

class MainWindowModel;

/// The flight plan of the aircraft analysed last on one side, with its linked fields read out
/// as they stood after that analysis, so the sheet of one side never shows the other's aircraft.
struct AnalysedPlan {
    std::string Callsign;
    FlightPlanRecord Record;
    std::string DepAerodrome;
    std::string Level;
    std::string CruiseSpeed;
    /// The snapshot line the plan was read from, when known: its squawk is the aircraft's own.
    std::optional<SnapshotLineId> Line;

    /// The plan of `callsign` as `record` and the window's linked labels hold it now.
    static AnalysedPlan capture(const std::string& callsign, const FlightPlanRecord& record,
                                const MainWindowModel& window);
    /// The stored plan when it is the one of `callsign` (spaces around either ignored), else
    /// null: a clearance speaks only the plan read from its own aircraft's line.
    static const AnalysedPlan* of(const std::optional<AnalysedPlan>& plan,
                                  std::string_view callsign);
};

}  // namespace corvane
