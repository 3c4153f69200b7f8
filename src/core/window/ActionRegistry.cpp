#include "window/ActionRegistry.h"

#include <utility>

namespace corvane {

void ActionRegistry::onClick(const std::string& control, ClickAction action) {
    clicks_[control] = std::move(action);
}

void ActionRegistry::onSelect(const std::string& control, SelectAction action) {
    selects_[control] = std::move(action);
}

void ActionRegistry::onSheetClosed(ClickAction action) {
    sheetClosed_ = std::move(action);
}

const ActionRegistry::ClickAction* ActionRegistry::click(const std::string& control) const {
    const auto found = clicks_.find(control);
    return found == clicks_.end() ? nullptr : &found->second;
}

const ActionRegistry::SelectAction* ActionRegistry::select(const std::string& control) const {
    const auto found = selects_.find(control);
    return found == selects_.end() ? nullptr : &found->second;
}

const ActionRegistry::ClickAction* ActionRegistry::sheetClosed() const {
    return sheetClosed_ ? &sheetClosed_ : nullptr;
}

}  // namespace corvane
