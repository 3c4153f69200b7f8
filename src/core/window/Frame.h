#pragma once

#include <string>

namespace corvane {

struct Frame {
    std::string name;
    std::string caption;
    bool visible = true;
};

}  // namespace corvane
