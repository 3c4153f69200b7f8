#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corvane::test {

/// A snapshot pilot line of `count` fields (no line end), all empty but those of the traffic
/// lists that fit in it: the callsign (0), departure (16), destination (21) and, for centres,
/// the area (42), departure area (43) and arrival area (44).
inline std::string pilotLine(const std::string& callsign, std::size_t count, const std::string& dep,
                             const std::string& dest, const std::string& area = "",
                             const std::string& areaDep = "", const std::string& areaArr = "") {
    std::vector<std::string> fields(count);
    const auto set = [&fields](std::size_t index, const std::string& value) {
        if (index < fields.size()) {
            fields[index] = value;
        }
    };
    set(0, callsign);
    set(16, dep);
    set(21, dest);
    set(42, area);
    set(43, areaDep);
    set(44, areaArr);
    std::string line;
    for (std::size_t i = 0; i < count; ++i) {
        line += (i == 0 ? "" : ":") + fields[i];
    }
    return line;
}

}  // namespace corvane::test
