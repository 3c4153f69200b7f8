#pragma once

#include <string>

namespace corvane {

/// A command button.
struct Button {
    std::string name;
    std::string caption;
    bool enabled = true;
};

}  // namespace corvane
