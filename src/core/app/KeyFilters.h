#pragma once

#include <string>

namespace corvane {

class MainWindowModel;

/// The key-press filters of the three text boxes the user types into.
namespace KeyFilters {
inline constexpr char32_t kBackspace = 8;

/// `UpperKey`: a to z become A to Z; every other code passes unchanged.
char32_t upperKey(char32_t key);
/// Filters a key typed into `control`: returns the code that reaches the box, or 0 when the
/// key is swallowed. The operator name filter also enables `CmdExecute`.
char32_t filter(MainWindowModel& window, const std::string& control, char32_t key);
bool hasFilter(const std::string& control);
}  // namespace KeyFilters

}  // namespace corvane
