#include "clearance/ClearedAircraft.h"

#include "clearance/ClearanceWording.h"
#include "common/TextColumns.h"
#include "window/AppContext.h"

namespace corvane {

const AnalysedPlan* ClearedAircraft::plan(AppContext& context, const std::string& callsign,
                                          const std::optional<AnalysedPlan>& analysed,
                                          const std::string& withoutPlan,
                                          const std::string& trafficList) {
    if (callsign.empty()) {
        context.warn("PAY ATTENTION!!! CLICK ON AIRCRAFT CALLSIGN", "AIRCRAFT CALLSIGN UNSELECTED");
        context.window.focus = trafficList;
        return nullptr;
    }
    const AnalysedPlan* plan = AnalysedPlan::of(analysed, callsign);
    if (plan == nullptr && trimSpaces(withoutPlan) == trimSpaces(callsign)) {
        context.warn(ClearanceWording::noFlightPlan(callsign),
                     ClearanceWording::kNoFlightPlanTitle);
        return nullptr;
    }
    if (plan == nullptr) {
        context.warn(ClearanceWording::noAnalysedAircraft(callsign),
                     ClearanceWording::kNoAnalysedAircraftTitle);
    }
    return plan;
}

}  // namespace corvane
