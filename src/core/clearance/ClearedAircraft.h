#pragma once

#include <optional>
#include <string>

#include "window/AnalysedPlan.h"

namespace corvane {

class AppContext;

/// The aircraft a clearance is generated for: the callsign selected in the side's traffic list,
/// with the plan its side's last analysis read from its own line.
namespace ClearedAircraft {
/// The analysed plan of `callsign`, or null after telling the user why a clearance cannot be
/// given: no aircraft is selected (the focus goes to `trafficList`), its line says it has filed
/// no flight plan (`withoutPlan` names it), or it was not analysed.
const AnalysedPlan* plan(AppContext& context, const std::string& callsign,
                         const std::optional<AnalysedPlan>& analysed,
                         const std::string& withoutPlan, const std::string& trafficList);
}  // namespace ClearedAircraft

}  // namespace corvane
