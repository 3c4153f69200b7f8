#pragma once

namespace corvane {

class ActionRegistry;
class AppContext;

/// Hooks the user actions of this part of the program into the window.
void installStationActions(ActionRegistry& registry, AppContext& context);

}  // namespace corvane
