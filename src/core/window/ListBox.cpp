#include "window/ListBox.h"

namespace corvane {

void ListBox::removeAt(int index) {
    if (hasIndex(index)) {
        items.erase(items.begin() + index);
    }
    selected = -1;
}

std::string ListBox::selectedText() const {
    return hasIndex(selected) ? items[selected] : std::string();
}

}  // namespace corvane
