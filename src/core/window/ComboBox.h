#pragma once

#include <string>
#include <vector>

namespace corvane {

/// A drop-down combo box: its items, the selected index and its text (the selected item's
/// text, or what was pasted into it).
struct ComboBox {
    std::string name;
    std::vector<std::string> items;
    int selected = -1;
    std::string text;
    bool enabled = true;

    void add(std::string item) { items.push_back(std::move(item)); }
    /// Removes every item, the selection and the text.
    void clear() {
        items.clear();
        selected = -1;
        text.clear();
    }
    /// Also takes the item's text.
    void select(int index) {
        selected = index;
        text = items.at(static_cast<std::size_t>(index));
    }
    bool hasIndex(int index) const { return index >= 0 && index < static_cast<int>(items.size()); }
};

}  // namespace corvane
