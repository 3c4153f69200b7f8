#pragma once

#include <string>

namespace corvane {

/// The parameter message of one panel: a blinking red advice, or steady on yellow (the normal
/// result, or nothing yet).
struct ParameterAdvice {
    std::string caption;
    /// Points; the field's size before any message.
    int fontSize = 16;
    /// True for an advice (red, blinking); false for the normal result (yellow, steady).
    bool warning = false;
};

}  // namespace corvane
