#pragma once

#include <functional>
#include <map>
#include <string>

namespace corvane {

/// The user actions each part of the program handles: button clicks and list or combo
/// selections by control name, and the closing of the flight plan sheet.
class ActionRegistry {
public:
    using ClickAction = std::function<void()>;
    using SelectAction = std::function<void(int index)>;

    void onClick(const std::string& control, ClickAction action);
    /// `action` runs after the selection is made.
    void onSelect(const std::string& control, SelectAction action);
    void onSheetClosed(ClickAction action);

    /// Null when `control` has none.
    const ClickAction* click(const std::string& control) const;
    /// Null when `control` has none.
    const SelectAction* select(const std::string& control) const;
    /// Null when none is registered.
    const ClickAction* sheetClosed() const;

private:
    std::map<std::string, ClickAction> clicks_;
    std::map<std::string, SelectAction> selects_;
    ClickAction sheetClosed_;
};

}  // namespace corvane
