#include "flightplan/FlightPlanActions.h"

#include "app/ActionRegistry.h"
#include "app/AppContext.h"

namespace corvane {

void installFlightPlanActions(ActionRegistry& /*registry*/, AppContext& /*context*/) {}

}  // namespace corvane
