#pragma once

namespace corvane {

class ActionRegistry;
class AppContext;

/// Fills both rules-of-thumb lists with the titles and hooks their selections to the text
/// field beside each list.
void installReferenceActions(ActionRegistry& registry, AppContext& context);

}  // namespace corvane
