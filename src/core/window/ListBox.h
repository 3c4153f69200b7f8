#pragma once

#include <string>
#include <vector>

namespace corvane {

/// A list box: items in order and the selected index (-1 for none).
struct ListBox {
    std::string name;
    std::vector<std::string> items;
    int selected = -1;

    /// Appends an item at the end.
    void add(std::string item) { items.push_back(std::move(item)); }
    /// Removes every item and the selection.
    void clear() {
        items.clear();
        selected = -1;
    }
    /// Removes the item at `index` (nothing when out of range); the selection is cleared.
    void removeAt(int index);
    /// The selected item's text, or "" when nothing is selected.
    std::string selectedText() const;
    /// True when `index` names an item.
    bool hasIndex(int index) const { return index >= 0 && index < static_cast<int>(items.size()); }
};

}  // namespace corvane
