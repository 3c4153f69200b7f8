#include "FeedOptions.h"

#include <charconv>

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

}  // namespace

std::string usage() {
    return "Usage: corvane-feed --out FILE [--from FILE | --url URL] [OPTION]...\n"
           "Keeps a traffic snapshot (recent.dat) made from IVAO's public live feed.\n"
           "\n"
           "Options:\n"
           "  --out FILE          the traffic snapshot to write (recent.dat)\n"
           "  --from FILE         read a saved feed document instead of the network\n"
           "  --url URL           the feed's address (default " +
           std::string(kIvaoFeedUrl) +
           ")\n"
           "  --once              one read, one write, then exit\n"
           "  --interval SECONDS  time between reads (default 15, at least 15 for a URL)\n"
           "  --timeout SECONDS   limit of one HTTP exchange (default 20)\n"
           "  --airports FILE     the airport table (default: the one shipped)\n"
           "  --parent PID        end when process PID ends (how the window starts it)\n"
           "  --firs FILE         the FIR boundaries (default: the ones shipped)\n"
           "  --help              print this help and exit\n"
           "  --version           print the version and the licence and exit\n"
           "\n"
           "Exit status:\n"
           "  0  done (--once), or stopped by a signal\n"
           "  1  with --once: fetching, reading or writing the snapshot failed\n"
           "  2  a usage error\n";
}

std::optional<FeedOptions> parseOptions(const std::vector<std::string>& arguments,
                                        std::string& error) {
    FeedOptions options;
    bool hasUrl = false;
    bool hasInterval = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--once") {
            options.once = true;
            continue;
        }
        if (option == "--help" || option == "-h" || option == "--version") {
            (option == "--version" ? options.version : options.help) = true;
            return options;
        }
        if (option != "--out" && option != "--from" && option != "--url" &&
            option != "--interval" && option != "--timeout" && option != "--airports" &&
            option != "--firs" && option != "--parent") {
            error = "unknown option " + option;
            return std::nullopt;
        }
        if (i + 1 >= arguments.size() || arguments[i + 1].empty()) {
            error = option + " needs a value";
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        if (option == "--out") {
            options.out = value;
        } else if (option == "--from") {
            options.from = value;
        } else if (option == "--url") {
            options.url = value;
            hasUrl = true;
        } else if (option == "--airports") {
            options.airports = value;
        } else if (option == "--firs") {
            options.firs = value;
        } else if (option == "--parent") {
            const auto pid = processId(value);
            if (!pid) {
                error = "--parent needs a process number";
                return std::nullopt;
            }
            options.parentPid = *pid;
        } else if (const auto number = seconds(value)) {
            (option == "--interval" ? options.intervalSeconds : options.timeoutSeconds) = *number;
            hasInterval = hasInterval || option == "--interval";
        } else {
            error = option + " needs a whole number of seconds from 1 to 86400";
            return std::nullopt;
        }
    }
    if (options.out.empty()) {
        error = "--out FILE is required";
        return std::nullopt;
    }
    if (hasUrl && !options.from.empty()) {
        error = "--from and --url exclude each other";
        return std::nullopt;
    }
    if (hasInterval && options.from.empty() && options.intervalSeconds < kMinUrlIntervalSeconds) {
        error = "--interval below 15 seconds is refused for the network feed";
        return std::nullopt;
    }
    return options;
}

}  // namespace corvane::feed
