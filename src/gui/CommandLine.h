#pragma once

#include <map>
#include <string>
#include <vector>

namespace corvane {

/// The desktop program's command line: one table of options, read before the window system
/// starts so that help, version and mistakes need no display.
class CommandLine {
public:
    /// One option of the table.
    struct Option {
        /// The option as typed, e.g. "--home".
        const char* name;
        /// The name of its value in the usage text, or null for an option without a value.
        const char* value;
        /// One line of help.
        const char* help;
    };

    /// The options the program knows.
    static const std::vector<Option>& options();
    /// "Usage: corvane [--home DIR] ...", a line per option and the exit status.
    static std::string usage();

    /// Reads `arguments` (without the program name). When `leaveSingleDash` is true an
    /// argument with a single leading "-" is left to the window system, with the value that
    /// follows it; everything else must be an option of the table. False with `error` set on a
    /// mistake.
    bool parse(const std::vector<std::string>& arguments, bool leaveSingleDash);
    /// True when the option was given.
    bool has(const std::string& name) const { return values_.contains(name); }
    /// The value given with the option, or "" when it was not given.
    std::string value(const std::string& name) const;
    /// What was wrong with the command line.
    const std::string& error() const { return error_; }

private:
    std::map<std::string, std::string> values_;
    std::string error_;
};

}  // namespace corvane
