#include "traffic/TrafficActions.h"

#include "app/ActionRegistry.h"
#include "app/AppContext.h"

namespace corvane {

void installTrafficActions(ActionRegistry& /*registry*/, AppContext& /*context*/) {}

}  // namespace corvane
