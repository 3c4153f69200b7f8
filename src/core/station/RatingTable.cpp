#include "station/RatingTable.h"

#include <array>
#include <cmath>

#include "common/NumberText.h"

namespace corvane {

namespace {

constexpr int kFirstNamed = 2;
constexpr std::array<std::string_view, 11> kCaptions = {
    "AS1 : ATC Applicant",        "AS2 : ATC Trainee",           "AS3 : Advanced ATC Trainee",
    "ADC : Aerodrome Controller", "APC : Approach Controller",   "ACC : Center Controller",
    "SEC : Senior Controller",    "SAI : Senior ATC Instructor", "CAI : Chief ATC Instructor",
    "SUP : Supervisor",           "ADM : Administrator",
};

}  // namespace

std::optional<std::string_view> RatingTable::caption(int number) {
    const int index = number - kFirstNamed;
    if (index < 0 || index >= static_cast<int>(kCaptions.size())) {
        return std::nullopt;
    }
    return kCaptions[static_cast<std::size_t>(index)];
}

std::optional<std::int16_t> RatingTable::number(std::string_view field) {
    const auto value = NumberText::strict(field);
    if (!value || std::floor(*value) != *value || *value < INT16_MIN || *value > INT16_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*value);
}

}  // namespace corvane
