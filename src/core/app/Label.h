#pragma once

#include <string>

#include "app/Colours.h"

namespace corvane {

/// A value field of the window: a label whose text the program writes.
struct Label {
    std::string name;
    std::string text;
    bool visible = true;
    int backColour = colour::kYellow;
    int fontSize = 10;
};

}  // namespace corvane
