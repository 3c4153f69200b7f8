#pragma once

#include <cstddef>
#include <string>

namespace corvane {

/// A text box. `maxLength` 0 means no limit; the limit counts characters.
struct TextBox {
    std::string name;
    std::string text;
    bool enabled = true;
    std::size_t maxLength = 0;
    bool readOnly = false;
};

}  // namespace corvane
