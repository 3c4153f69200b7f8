#include "window/AnalysedPlan.h"

#include "common/TextColumns.h"

namespace corvane {

AnalysedPlan AnalysedPlan::capture(const std::string& callsign, const AnalysedAircraft& aircraft) {
    return AnalysedPlan{callsign,
                        aircraft.record,
                        aircraft.planDepAerodrome(),
                        aircraft.planLevel(),
                        aircraft.planCruiseSpeed(),
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
