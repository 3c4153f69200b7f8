#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace corvane {

/// Reads the next line of a shipped table from `in` into `line`, without its "\n" (a "\r"
/// stays), keeping at most `maxLength` bytes: the rest of a longer line is skipped, so a table
/// line of any length costs no more memory. False once `in` has nothing more to give.
bool readTableLine(std::istream& in, std::string& line, std::size_t maxLength);

}  // namespace corvane
