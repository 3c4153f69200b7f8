#include "flightplan/FlightPlanActions.h"

#include "app/ActionRegistry.h"
#include "app/AppContext.h"
#include "flightplan/FlightPlanSheet.h"

namespace corvane {

void installFlightPlanActions(ActionRegistry& registry, AppContext& context) {
    registry.onClick("cmdFPDep",
                     [&context] { FlightPlanSheet::open(context, FlightPlanSheet::kDeparture); });
    registry.onClick("cmdFPArr",
                     [&context] { FlightPlanSheet::open(context, FlightPlanSheet::kArrival); });
    registry.onSheetClosed([&context] { FlightPlanSheet::close(context); });
}

}  // namespace corvane
