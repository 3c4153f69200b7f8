#include "FeedOptions.h"

#include <charconv>
#include <utility>

#include "common/CommandLine.h"

namespace corvane::feed {

namespace {

std::optional<int> seconds(const std::string& text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size() || value < 1 ||
        value > 86400) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> processId(const std::string& text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size() || value < 1) {
        return std::nullopt;
    }
    return value;
}

const CommandLine::Grammar& grammar() {
    static const CommandLine::Grammar table{
        .options = {
            {"--out", "FILE", "the traffic snapshot to write (recent.dat)"},
            {"--from", "FILE", "read a saved feed document instead of the network"},
            {"--url", "URL", "the feed's address (default " + std::string(kIvaoFeedUrl) + ")"},
            {"--once", "", "one read, one write, then exit"},
            {"--interval", "SECONDS", "time between reads (default 15, at least 15 for a URL)"},
            {"--timeout", "SECONDS", "limit of one HTTP exchange (default 20)"},
            {"--airports", "FILE", "the airport table (default: the one shipped)"},
            {"--parent", "PID", "end when process PID ends (how the window starts it)"},
            {"--firs", "FILE", "the FIR boundaries (default: the ones shipped)"},
            CommandLine::helpOption(),
            CommandLine::versionOption(),
        }};
    return table;
}

}  // namespace

std::string usage() {
    return "Usage: corvane-feed --out FILE [--from FILE | --url URL] [OPTION]...\n"
           "Keeps a traffic snapshot (recent.dat) made from IVAO's public live feed.\n"
           "\n"
           "Options:\n" +
           CommandLine::optionLines(grammar().options, 22) +
           "\n"
           "Exit status:\n"
           "  0  done (--once), or stopped by a signal\n"
           "  1  with --once: fetching, reading or writing the snapshot failed\n"
           "  2  a usage error\n";
}

std::optional<FeedOptions> parseOptions(const std::vector<std::string>& arguments,
                                        std::string& error) {
    const auto given = CommandLine::parse(grammar(), arguments, error);
    if (!given) {
        return std::nullopt;
    }
    FeedOptions options;
    options.help = given->has("--help");
    options.version = given->has("--version");
    if (options.help || options.version) {
        return options;
    }
    options.once = given->has("--once");
    options.out = given->value("--out");
    options.from = given->value("--from");
    options.airports = given->value("--airports");
    options.firs = given->value("--firs");
    if (given->has("--url")) {
        options.url = given->value("--url");
    }
    if (given->has("--parent")) {
        const auto pid = processId(given->value("--parent"));
        if (!pid) {
            error = "--parent needs a process number";
            return std::nullopt;
        }
        options.parentPid = *pid;
    }
    for (const auto& [name, value] : {std::pair{"--interval", &options.intervalSeconds},
                                      {"--timeout", &options.timeoutSeconds}}) {
        if (given->has(name)) {
            const auto number = seconds(given->value(name));
            if (!number) {
                error = std::string(name) + " needs a whole number of seconds from 1 to 86400";
                return std::nullopt;
            }
            *value = *number;
        }
    }
    if (options.out.empty()) {
        error = "--out FILE is required";
        return std::nullopt;
    }
    if (given->has("--url") && !options.from.empty()) {
        error = "--from and --url exclude each other";
        return std::nullopt;
    }
    if (given->has("--interval") && options.from.empty() &&
        options.intervalSeconds < kMinUrlIntervalSeconds) {
        error = "--interval below 15 seconds is refused for the network feed";
        return std::nullopt;
    }
    return options;
}

}  // namespace corvane::feed
