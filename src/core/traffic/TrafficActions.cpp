#include "traffic/TrafficActions.h"

#include "app/ActionRegistry.h"
#include "app/AppContext.h"
#include "traffic/TrafficSelection.h"

namespace corvane {

void installTrafficActions(ActionRegistry& registry, AppContext& context) {
    registry.onSelect("LstDeparture",
                      [&context](int /*index*/) { TrafficSelection::departureClicked(context); });
    registry.onSelect("LstArrival",
                      [&context](int /*index*/) { TrafficSelection::arrivalClicked(context); });
}

}  // namespace corvane
