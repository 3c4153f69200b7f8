#pragma once

namespace corvane {

class ActionRegistry;
class AppContext;

/// Hooks the two "SHOW FLIGHT PLAN" buttons and the sheet's close box to the flight plan sheet.
void installFlightPlanActions(ActionRegistry& registry, AppContext& context);

}  // namespace corvane
