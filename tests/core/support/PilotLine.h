#pragma once

#include <cstddef>
#include <string>

namespace corvane::test {

/// A snapshot pilot line of `count` fields (no line end), all empty but those of the traffic
/// lists that fit in it: the callsign (0), departure (16), destination (21) and, for centres,
/// the area (42), departure area (43) and arrival area (44).
inline std::string pilotLine(const std::string& callsign, std::size_t count, const std::string& dep,
                             const std::string& dest, const std::string& area = "",
                             const std::string& areaDep = "", const std::string& areaArr = "") {
    const auto field = [&](std::size_t index) -> const std::string* {
        switch (index) {
            case 0:
                return &callsign;
            case 16:
                return &dep;
            case 21:
                return &dest;
            case 42:
                return &area;
            case 43:
                return &areaDep;
            case 44:
                return &areaArr;
            default:
                return nullptr;
        }
    };
    std::string line;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            line += ':';
        }
        if (const std::string* value = field(i)) {
            line += *value;
        }
    }
    return line;
}

}  // namespace corvane::test
