#pragma once

#include <string>

#include "window/Colours.h"
#include "window/DisplayText.h"

namespace corvane {

/// A value field of the window: a label whose text the program writes.
struct Label {
    std::string name;
    DisplayText text;
    bool visible = true;
    int backColour = colour::kYellow;
    int fontSize = 10;
};

}  // namespace corvane
