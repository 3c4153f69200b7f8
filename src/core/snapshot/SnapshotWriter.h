#pragma once

#include <span>
#include <string>
#include <string_view>

namespace corvane {

/// Writes traffic snapshot lines the way the program reads them: fields separated by ":",
/// numbers with a "." decimal mark whatever the locale, every line ended by CR LF. The
/// simulator and the live feed reader both write through it.
namespace SnapshotWriter {
/// Appends `text` and the ":" that ends a field.
void appendField(std::string& out, std::string_view text);

/// Appends `text` as the last field of a line, with its CR LF.
void appendLastField(std::string& out, std::string_view text);

void appendLine(std::string& out, std::span<const std::string> fields);

/// A number with exactly `decimals` digits after the ".".
std::string fixed(double value, int decimals);
}  // namespace SnapshotWriter

}  // namespace corvane
