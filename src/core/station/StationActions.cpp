#include "station/StationActions.h"

#include "app/ActionRegistry.h"
#include "app/AppContext.h"
#include "station/ConnectOperation.h"

namespace corvane {

void installStationActions(ActionRegistry& registry, AppContext& context) {
    registry.onClick("CmdExecute", [&context] { ConnectOperation::connect(context); });
}

}  // namespace corvane
