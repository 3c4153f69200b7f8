#include "clearance/ClearanceActions.h"

#include "app/ActionRegistry.h"
#include "app/AppContext.h"
#include "clearance/ArrivalClearance.h"
#include "clearance/AssignedLists.h"
#include "clearance/DepartureClearance.h"
#include "clearance/RunwaySelection.h"

namespace corvane {

void installClearanceActions(ActionRegistry& registry, AppContext& context) {
    registry.onSelect("CmbTORwy",
                      [&context](int) { RunwaySelection::takeOffRunwaySelected(context); });
    registry.onSelect("cmbLandRwy",
                      [&context](int) { RunwaySelection::landingRunwaySelected(context); });
    registry.onSelect("List3", [&context](int) { RunwaySelection::approachNameClicked(context); });
    registry.onSelect("List4",
                      [&context](int) { RunwaySelection::approachDescriptionClicked(context); });
    registry.onClick("cmdSidGen", [&context] { DepartureClearance::generate(context); });
    registry.onClick("cmdStarGen", [&context] { ArrivalClearance::generate(context); });
    registry.onSelect("List1", [&context](int) { AssignedLists::departureClicked(context); });
    registry.onSelect("List2", [&context](int) { AssignedLists::arrivalClicked(context); });
    registry.onClick("cmdRemoveDep", [&context] { AssignedLists::removeDeparture(context); });
    registry.onClick("cmdRemoveArr", [&context] { AssignedLists::removeArrival(context); });
}

}  // namespace corvane
