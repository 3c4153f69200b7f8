#include "traffic/AnalysedPlan.h"

namespace corvane {

AnalysedPlan AnalysedPlan::capture(const std::string& callsign, const FlightPlanRecord& record,
                                   const MainWindowModel& window) {
    return AnalysedPlan{callsign, record, record.DepAerodrome(window), record.Level(window),
                        record.CruiseSpeed(window)};
}

}  // namespace corvane
