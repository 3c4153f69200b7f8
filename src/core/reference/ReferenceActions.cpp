#include "reference/ReferenceActions.h"

#include <string>

#include "app/ActionRegistry.h"
#include "app/AppContext.h"
#include "reference/RulesOfThumb.h"

namespace corvane {

namespace {

void fillTitles(ListBox& list) {
    list.clear();
    for (const std::string_view title : RulesOfThumb::titles()) {
        list.add(std::string(title));
    }
}

// Each panel's list writes only its own text field; a position without a title leaves the
// field as it is.
void showRule(Label& field, int position) {
    if (const auto text = RulesOfThumb::shownFor(position)) {
        field.text = std::string(*text);
    }
}

}  // namespace

void installReferenceActions(ActionRegistry& registry, AppContext& context) {
    fillTitles(context.window.lstRulTum);
    fillTitles(context.window.List5);
    registry.onSelect("lstRulTum",
                      [&context](int index) { showRule(context.window.lblRulTum, index); });
    registry.onSelect("List5", [&context](int index) { showRule(context.window.Label6, index); });
}

}  // namespace corvane
