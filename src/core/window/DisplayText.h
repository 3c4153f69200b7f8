#pragma once

#include <string>
#include <utility>

namespace corvane {

struct DisplayTextReader;

/// What a value field of the window shows. The core writes it and never reads it back: every
/// decision is taken on the program's own values, and the window is only a view of them. Only
/// the programs that draw or print the window (and the tests) read it, through
/// `window/ShownText.h`.
class DisplayText {
public:
    DisplayText& operator=(std::string text) {
        text_ = std::move(text);
        return *this;
    }
    void clear() { text_.clear(); }

private:
    friend struct DisplayTextReader;
    std::string text_;
};

}  // namespace corvane
