#pragma once

#include <string>

namespace corvane {

/// A panel of the window that can be shown or hidden.
struct Frame {
    std::string name;
    std::string caption;
    bool visible = true;
};

}  // namespace corvane
