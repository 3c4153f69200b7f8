#include "reference/ReferenceActions.h"

#include "app/ActionRegistry.h"
#include "app/AppContext.h"

namespace corvane {

void installReferenceActions(ActionRegistry& /*registry*/, AppContext& /*context*/) {}

}  // namespace corvane
