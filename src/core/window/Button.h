#pragma once

#include <string>

namespace corvane {

struct Button {
    std::string name;
    std::string caption;
    bool enabled = true;
};

}  // namespace corvane
