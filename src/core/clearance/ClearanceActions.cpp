#include "clearance/ClearanceActions.h"

#include "app/ActionRegistry.h"
#include "app/AppContext.h"

namespace corvane {

void installClearanceActions(ActionRegistry& /*registry*/, AppContext& /*context*/) {}

}  // namespace corvane
