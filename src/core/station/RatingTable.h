#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

/// The IVAO controller ratings the station panel names.
namespace RatingTable {
/// The caption of rating `number` ("ADC : Aerodrome Controller" for 5), or nothing for a
/// number without a name.
std::optional<std::string_view> caption(int number);
/// The `rating` field as a 16-bit whole number; nothing when the field is not one (blanks
/// around the number are allowed, "5.0" is 5, "5.5", "", "X" and 40000 are not numbers).
std::optional<std::int16_t> number(std::string_view field);
}  // namespace RatingTable

}  // namespace corvane
