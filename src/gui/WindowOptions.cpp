#include "WindowOptions.h"

#include "common/CommandLine.h"

namespace corvane {

namespace {

CommandLine::Grammar grammar(bool leaveSingleDash) {
    return {
        .options =
            {
                {"--home", "DIR",
                 "the program folder holding DATA (default: CORVANE_HOME, the executable's "
                 "folder when it holds DATA, else the per-user folder)"},
                {"--follow", "",
                 "refresh the traffic lists and the selected aircraft whenever the snapshot "
                 "changes"},
                {"--feed", "",
                 "read IVAO's live feed through corvane-feed into live/recent.dat of the program "
                 "folder, and follow it"},
                CommandLine::helpOption(),
                CommandLine::versionOption(),
            },
        .unknown = "unknown argument {arg}",
        .missingValue = "{option} needs {value}",
        .leaveSingleDash = leaveSingleDash,
    };
}

}  // namespace

std::optional<WindowOptions> WindowOptions::parse(const std::vector<std::string>& arguments,
                                                  bool leaveSingleDash, std::string& error) {
    const auto given = CommandLine::parse(grammar(leaveSingleDash), arguments, error);
    if (!given) {
        return std::nullopt;
    }
    WindowOptions options;
    if (given->has("--home")) {
        options.home = given->value("--home");
    }
    options.follow = given->has("--follow");
    options.feed = given->has("--feed");
    options.help = given->has("--help");
    options.version = given->has("--version");
    return options;
}

std::string WindowOptions::usage() {
    const auto options = grammar(false).options;
    std::string text = "Usage: corvane";
    for (const CommandLine::Option& option : options) {
        text += " [" + option.name + (option.value.empty() ? "" : " " + option.value) + "]";
    }
    return text +
           "\nShows the controller's station, traffic and clearances beside the radar client.\n"
           "\n"
           "Options:\n" +
           CommandLine::optionLines(options, 16) +
           "  Options with a single dash (-platform NAME, -style NAME ...) go to Qt.\n"
           "\n"
           "Exit status:\n"
           "  0  the program was ended\n"
           "  2  a usage error, or no usable program folder\n";
}

}  // namespace corvane
