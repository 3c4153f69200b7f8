#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

/// The program's two text-to-number readings and its number-to-text form.
namespace NumberText {
/// The leading-number reading: blanks skipped, optional sign, digits, optional decimal part
/// with a period; 0 when the text does not begin with a number. Never NaN or infinite.
double leading(std::string_view text);
/// The strict conversion: the whole text (surrounding blanks allowed) must be a decimal
/// number; otherwise nothing.
std::optional<double> strict(std::string_view text);
/// Plain decimal text without leading zeros or trailing zeros after the decimal point
/// ("75", "62.5", "29.91", "0").
std::string format(double value);
/// A whole number written with at least two digits ("03", "12", "123").
std::string twoDigits(long long value);
}  // namespace NumberText

}  // namespace corvane
