#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane {

/// What the desktop program was asked to do. Its command line is read before the window system
/// starts, so that help, version and mistakes need no display.
struct WindowOptions {
    std::optional<std::string> home;  ///< --home DIR
    bool follow = false;              ///< --follow
    bool feed = false;                ///< --feed
    bool help = false;                ///< --help
    bool version = false;             ///< --version

    /// Reads `arguments` (without the program name). With `leaveSingleDash`, an unknown
    /// argument with a single leading "-" is left to the window system, with the value that
    /// follows it. Nothing, with the reason in `error`, on a mistake.
    static std::optional<WindowOptions> parse(const std::vector<std::string>& arguments,
                                              bool leaveSingleDash, std::string& error);
    /// "Usage: corvane [--home DIR] ...", a line per option and the exit status.
    static std::string usage();
};

}  // namespace corvane
