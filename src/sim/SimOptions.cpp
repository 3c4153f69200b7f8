#include "SimOptions.h"

#include <charconv>
#include <cmath>

#include "common/CommandLine.h"

namespace corvane::sim {

namespace {

template <typename T>
bool readNumber(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

const CommandLine::Grammar& grammar() {
    static const CommandLine::Grammar table{
        .options =
            {
                {"--out", "FILE",
                 "snapshot to write, a regular file or a new one\n(default ./recent.dat)"},
                {"--interval", "SECONDS", "time between rewrites (default 5)"},
                {"--once", "", "write one snapshot and exit"},
                {"--seed", "N", "traffic seed; the same seed gives the same traffic (default 1)"},
                {"--aircraft", "N", "number of pilot clients, up to 1000000 (default 40)"},
                {"--in-place", "",
                 "rewrite the file in place instead of writing a temporary\nfile and renaming it "
                 "over the snapshot"},
                {"--at", "SECONDS", "simulated time to start at (default 0)"},
                CommandLine::helpOption(),
                CommandLine::versionOption(),
            },
        .unknown = "unknown option: {arg}",
    };
    return table;
}

}  // namespace

std::optional<SimOptions> SimOptions::parse(const std::vector<std::string>& args,
                                            std::string& error) {
    const auto given = CommandLine::parse(grammar(), args, error);
    if (!given) {
        return std::nullopt;
    }
    SimOptions options;
    options.help = given->has("--help");
    options.version = given->has("--version");
    if (options.help || options.version) {
        return options;
    }
    options.once = given->has("--once");
    options.inPlace = given->has("--in-place");
    if (given->has("--out")) {
        options.outPath = given->value("--out");
    }
    // The start may be at 0; an interval must be longer.
    const auto readSeconds = [&](const char* name, double& seconds, bool positive) {
        const std::string text = given->value(name);
        if (!given->has(name) || (readNumber(text, seconds) && std::isfinite(seconds) &&
                                  seconds >= 0.0 && (seconds > 0.0 || !positive))) {
            return true;
        }
        error = std::string(name) + ": not a valid number of seconds: " + text;
        return false;
    };
    if (!readSeconds("--interval", options.intervalS, true) ||
        !readSeconds("--at", options.startS, false)) {
        return std::nullopt;
    }
    if (given->has("--seed") && !readNumber(given->value("--seed"), options.seed)) {
        error = "--seed: not a whole number: " + given->value("--seed");
        return std::nullopt;
    }
    if (given->has("--aircraft") && (!readNumber(given->value("--aircraft"), options.aircraft) ||
                                     options.aircraft > kMaxAircraft)) {
        error = "--aircraft: expected 0 to 1000000: " + given->value("--aircraft");
        return std::nullopt;
    }
    return options;
}

std::string SimOptions::usage() {
    return "Usage: corvane-sim [options]\n"
           "Writes a simulated IVAO traffic snapshot around Frankfurt (EDDF) and keeps it moving.\n"
           "\n"
           "Options:\n" +
           CommandLine::optionLines(grammar().options, 22) +
           "\n"
           "Exit status:\n"
           "  0  done (--once), or stopped by a signal\n"
           "  1  a snapshot could not be written\n"
           "  2  a usage error, or an --out that cannot be written\n"
           "\n"
           "The demo controller is EDDF_APP: connect as JANE DOE (or VID 123456).\n";
}

}  // namespace corvane::sim
