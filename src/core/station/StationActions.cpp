#include "station/StationActions.h"

#include "app/ActionRegistry.h"
#include "app/AppContext.h"

namespace corvane {

void installStationActions(ActionRegistry& /*registry*/, AppContext& /*context*/) {}

}  // namespace corvane
