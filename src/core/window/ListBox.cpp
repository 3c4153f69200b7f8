#include "window/ListBox.h"

#include "common/TextColumns.h"

namespace corvane {

std::string_view assignedEntryCallsign(std::string_view entry) {
    return trimTrailingSpaces(entry.substr(0, entry.find(" - ")));
}

void ListBox::removeAt(int index) {
    if (hasIndex(index)) {
        items.erase(items.begin() + index);
        if (index < static_cast<int>(marks.size())) {
            marks.erase(marks.begin() + index);
        }
    }
    if (!marks.empty()) {
        marks.resize(items.size());
    }
    selected = -1;
}

std::string ListBox::selectedText() const {
    return hasIndex(selected) ? items[selected] : std::string();
}

const ItemMark& ListBox::markAt(int index) const {
    static const ItemMark unmarked;
    return hasIndex(index) && index < static_cast<int>(marks.size()) ? marks[index] : unmarked;
}

}  // namespace corvane
