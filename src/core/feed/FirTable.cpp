#include "feed/FirTable.h"

#include <charconv>
#include <string>
#include <string_view>

#include "feed/TableLine.h"

namespace corvane {

namespace {

// Real lines are short; a longer one is no table line and is cut, not kept whole.
constexpr std::size_t kMaxLineLength = 160;
constexpr std::int32_t kMaxLatitude = 90'000;
constexpr std::int32_t kMaxLongitude = 180'000;

bool isCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

// "AREA EDGG", "AREA EDGG-N Langen Radar North": the code, or nothing.
bool areaCode(std::string_view line, std::array<char, 4>& code) {
    constexpr std::string_view kLead = "AREA ";
    if (line.substr(0, kLead.size()) != kLead || line.size() < kLead.size() + 4) {
        return false;
    }
    const std::string_view letters = line.substr(kLead.size(), 4);
    const std::string_view after = line.substr(kLead.size() + 4, 1);
    for (std::size_t i = 0; i < 4; ++i) {
        if (!isCapital(letters[i])) {
            return false;
        }
        code[i] = letters[i];
    }
    return after.empty() || after == " " || after == "-";
}

bool wholeNumber(std::string_view text, std::int32_t limit, std::int32_t& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc{} && result.ptr == text.data() + text.size() && value >= -limit &&
           value <= limit;
}

// "50123 8456": latitude and longitude in thousandths of a degree.
bool vertex(std::string_view line, FirVertex& point) {
    const std::size_t blank = line.find(' ');
    return blank != std::string_view::npos &&
           wholeNumber(line.substr(0, blank), kMaxLatitude, point.latitude) &&
           wholeNumber(line.substr(blank + 1), kMaxLongitude, point.longitude);
}

}  // namespace

void FirTable::closeRing() {
    if (ringOpen_ && rings_.back().count < 3) {
        vertices_.resize(rings_.back().first);
        rings_.pop_back();
    }
    ringOpen_ = false;
}

FirTable FirTable::read(std::istream& in) {
    FirTable table;
    std::string line;
    while (readTableLine(in, line, kMaxLineLength)) {
        std::string_view view(line);
        if (!view.empty() && view.back() == '\r') {
            view.remove_suffix(1);
        }
        std::array<char, 4> code{};
        FirVertex point{};
        if (areaCode(view, code)) {
            table.closeRing();
            if (table.codes_.size() == kMaxAreas) {
                break;
            }
            table.codes_.push_back(code);
        } else if (view == "RING" && !table.codes_.empty()) {
            table.closeRing();
            if (table.rings_.size() == kMaxRings) {
                break;
            }
            table.rings_.push_back({static_cast<std::uint32_t>(table.codes_.size() - 1),
                                    static_cast<std::uint32_t>(table.vertices_.size()), 0});
            table.ringOpen_ = true;
        } else if (table.ringOpen_ && vertex(view, point)) {
            if (table.vertices_.size() == kMaxVertices) {
                break;
            }
            table.vertices_.push_back(point);
            ++table.rings_.back().count;
        }
    }
    table.closeRing();
    return table;
}

}  // namespace corvane
