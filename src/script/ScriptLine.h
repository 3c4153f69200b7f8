#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// One line of a driver script, split into its command word and arguments. The last argument
/// of commands that end in a TEXT is the rest of the line verbatim.
struct ScriptLine {
    std::string command;
    std::vector<std::string> arguments;

    /// Parses a line; nothing for an empty line or a comment (first character '#').
    static std::optional<ScriptLine> parse(std::string_view line);
};

}  // namespace corvane
