#pragma once

namespace corvane {

class ActionRegistry;
class AppContext;

/// Hooks every user action of the window to the feature that handles it: the one place that
/// knows all the features. Also fills the rules-of-thumb lists, which never change.
void installActions(ActionRegistry& registry, AppContext& context);

}  // namespace corvane
