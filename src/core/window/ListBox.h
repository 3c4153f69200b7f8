#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// What a list entry's aircraft shows on its transponder against what the controller expects.
enum class MarkKind {
    None,
    NotSet,     ///< the aircraft squawks another code than the one it was given
    Gone,       ///< the aircraft has no line in the snapshot
    Duplicate,  ///< another aircraft squawks the same code
    Emergency,  ///< the aircraft squawks 7500, 7600 or 7700
};

/// The mark of one list entry and the words that say why.
struct ItemMark {
    MarkKind kind = MarkKind::None;
    std::string why;

    bool operator==(const ItemMark&) const = default;
};

/// The callsign of an assigned-list entry ("CALLSIGN - CODE", the callsign padded): all of it
/// up to the separator, however long, without the padding.
std::string_view assignedEntryCallsign(std::string_view entry);

/// A list box: items in order, their marks and the selected index (-1 for none).
/// `marks` is empty while no item is marked (a long list then costs nothing more), else one mark
/// per item; every change of the items through these members keeps it so (a new item is
/// unmarked until the next look at the snapshot).
struct ListBox {
    std::string name;
    std::vector<std::string> items;
    std::vector<ItemMark> marks;
    int selected = -1;

    void add(std::string item) {
        items.push_back(std::move(item));
        if (!marks.empty()) {
            marks.resize(items.size());
        }
    }
    /// Replaces every item; all of them unmarked. The selection is left to the caller.
    void setItems(std::vector<std::string> fresh) {
        items = std::move(fresh);
        marks.clear();
    }
    /// Removes every item and the selection.
    void clear() {
        items.clear();
        marks.clear();
        selected = -1;
    }
    /// Removes the item at `index` (nothing when out of range); the selection is cleared.
    void removeAt(int index);
    /// The selected item's text, or "" when nothing is selected.
    std::string selectedText() const;
    /// The mark of item `index`; unmarked when out of range.
    const ItemMark& markAt(int index) const;
    bool hasIndex(int index) const { return index >= 0 && index < static_cast<int>(items.size()); }
};

}  // namespace corvane
