#pragma once

// Reading what the window shows: for the window, the driver's dump and the tests. Nothing in the
// core includes this header (tools/check-display-reads.sh).

#include <ostream>
#include <string>
#include <string_view>

#include "window/DisplayText.h"

namespace corvane {

struct DisplayTextReader {
    static const std::string& text(const DisplayText& shown) { return shown.text_; }
};

inline const std::string& shownText(const DisplayText& shown) {
    return DisplayTextReader::text(shown);
}

inline bool operator==(const DisplayText& shown, std::string_view text) {
    return std::string_view(shownText(shown)) == text;
}

inline std::ostream& operator<<(std::ostream& out, const DisplayText& shown) {
    return out << shownText(shown);
}

}  // namespace corvane
