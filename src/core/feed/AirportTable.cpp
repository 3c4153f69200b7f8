#include "feed/AirportTable.h"

#include <algorithm>
#include <cctype>

#include "common/NumberText.h"
#include "feed/TableLine.h"

namespace corvane {

namespace {

// Longer lines are no table lines; reading stops taking characters there.
constexpr std::size_t kMaxLineLength = 512;

bool isCode(std::string_view code) {
    return code.size() == 4 && std::all_of(code.begin(), code.end(), [](char c) {
               return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
           });
}

bool inRange(std::string_view text, double limit) {
    if (text.empty() || text.front() == ' ' || text.back() == ' ') {
        return false;
    }
    const auto value = NumberText::strict(text);
    return value && *value >= -limit && *value <= limit;
}

}  // namespace

AirportTable AirportTable::read(std::istream& in) {
    AirportTable table;
    std::string line;
    while (readTableLine(in, line, kMaxLineLength)) {
        const std::string_view view(line);
        const std::size_t first = view.find(',');
        const std::size_t second = view.find(',', first + 1);
        const std::size_t third = view.find(',', second + 1);
        if (third == std::string_view::npos) {
            continue;
        }
        const std::string_view code = view.substr(0, first);
        const std::string_view latitude = view.substr(first + 1, second - first - 1);
        const std::string_view longitude = view.substr(second + 1, third - second - 1);
        if (isCode(code) && inRange(latitude, 90.0) && inRange(longitude, 180.0)) {
            table.airports_.try_emplace(
                std::string(code), AirportPosition{std::string(latitude), std::string(longitude)});
        }
    }
    return table;
}

const AirportPosition* AirportTable::find(std::string_view icao) const {
    const auto it = airports_.find(std::string(icao));
    return it == airports_.end() ? nullptr : &it->second;
}

}  // namespace corvane
