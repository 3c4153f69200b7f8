#include "station/StationActions.h"

#include "app/ActionRegistry.h"
#include "app/AppContext.h"
#include "station/ConnectOperation.h"
#include "station/TrafficRefresh.h"

namespace corvane {

void installStationActions(ActionRegistry& registry, AppContext& context) {
    registry.onClick("CmdExecute", [&context] { ConnectOperation::connect(context); });
    registry.onClick("lblQNH", [&context] { TrafficRefresh::qnhSeen(context); });
    registry.onClick("lblPollici", [&context] { TrafficRefresh::qnhSeen(context); });
}

}  // namespace corvane
