#pragma once

#include <string>

#include "common/NumberText.h"
#include "window/Colours.h"

namespace corvane {

/// A value field of the window: a label whose text the program writes.
struct Label {
    std::string name;
    std::string text;
    bool visible = true;
    int backColour = colour::kYellow;
    int fontSize = 10;

    /// The number the label shows, by the leading-number reading (empty or text is 0): the
    /// program's rules take a figure as the user sees it, not as it was computed.
    double shownNumber() const { return NumberText::leading(text); }
};

}  // namespace corvane
