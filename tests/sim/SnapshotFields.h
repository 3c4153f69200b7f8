#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::sim::test {

/// Splits a snapshot line on every ":" (an empty line gives no fields).
std::vector<std::string> splitFields(std::string_view line);

/// The lines of a snapshot text, each without its CR LF; fails the test on a bare LF.
std::vector<std::string> snapshotLines(const std::string& text);

/// The leading number of a text: blanks skipped, optional sign, digits, optional decimals.
double leadingNumber(std::string_view text);

}  // namespace corvane::sim::test
