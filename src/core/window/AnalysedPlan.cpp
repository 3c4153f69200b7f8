#include "window/AnalysedPlan.h"

#include "common/TextColumns.h"

namespace corvane {

AnalysedPlan AnalysedPlan::capture(const std::string& callsign, const FlightPlanRecord& record,
                                   const MainWindowModel& window) {
    return AnalysedPlan{callsign,
                        record,
                        record.DepAerodrome(window),
                        record.Level(window),
                        record.CruiseSpeed(window),
                        std::nullopt};
}

const AnalysedPlan* AnalysedPlan::of(const std::optional<AnalysedPlan>& plan,
                                     std::string_view callsign) {
    if (!plan || trimSpaces(plan->Callsign) != trimSpaces(callsign)) {
        return nullptr;
    }
    return &*plan;
}

}  // namespace corvane
