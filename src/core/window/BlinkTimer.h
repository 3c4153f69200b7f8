#pragma once

#include <string>

namespace corvane {

/// While enabled it ticks every `intervalMs`.
struct BlinkTimer {
    std::string name;
    bool enabled = false;
    int intervalMs = 500;
};

}  // namespace corvane
