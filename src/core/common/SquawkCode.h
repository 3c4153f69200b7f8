#pragma once

#include <optional>
#include <string_view>

namespace corvane {

/// A transponder code: four octal digits (0-7), always written with all four.
namespace SquawkCode {
/// The number of a code of exactly four octal digits (0 .. 4095), or nothing for any other text.
std::optional<int> value(std::string_view code);
/// True for the codes of a hijack, a radio failure and an emergency (7500, 7600, 7700).
bool isEmergency(int value);
}  // namespace SquawkCode

}  // namespace corvane
