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

    /// Handles clicks on the button `control`.
    void onClick(const std::string& control, ClickAction action);
    /// Handles selections in the list or combo box `control` (after the selection is made).
    void onSelect(const std::string& control, SelectAction action);
    /// Handles the closing of the flight plan sheet.
    void onSheetClosed(ClickAction action);

    /// The click action of `control`, or null.
    const ClickAction* click(const std::string& control) const;
    /// The selection action of `control`, or null.
    const SelectAction* select(const std::string& control) const;
    /// The sheet-closed action, or null.
    const ClickAction* sheetClosed() const;

private:
    std::map<std::string, ClickAction> clicks_;
    std::map<std::string, SelectAction> selects_;
    ClickAction sheetClosed_;
};

}  // namespace corvane
