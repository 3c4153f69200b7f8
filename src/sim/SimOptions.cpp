#include "SimOptions.h"

#include <charconv>
#include <cmath>

namespace corvane::sim {

namespace {

template <typename T>
bool readNumber(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

std::optional<SimOptions> SimOptions::parse(const std::vector<std::string>& args,
                                            std::string& error) {
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string* {
            // An option in the value's place means the value was left out.
            if (i + 1 >= args.size() || args[i + 1].starts_with("--")) {
                error = arg + " needs a value";
                return nullptr;
            }
            return &args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--once") {
            options.once = true;
        } else if (arg == "--in-place") {
            options.inPlace = true;
        } else if (arg == "--out") {
            const std::string* v = value();
            if (v == nullptr) {
                return std::nullopt;
            }
            if (v->empty()) {
                error = "--out needs a file name";
                return std::nullopt;
            }
            options.outPath = *v;
        } else if (arg == "--interval" || arg == "--at") {
            const std::string* v = value();
            double number = 0.0;
            if (v == nullptr) {
                return std::nullopt;
            }
            if (!readNumber(*v, number) || !std::isfinite(number) || number < 0.0 ||
                (arg == "--interval" && number <= 0.0)) {
                error = arg + ": not a valid number of seconds: " + *v;
                return std::nullopt;
            }
            (arg == "--interval" ? options.intervalS : options.startS) = number;
        } else if (arg == "--seed") {
            const std::string* v = value();
            if (v == nullptr) {
                return std::nullopt;
            }
            if (!readNumber(*v, options.seed)) {
                error = "--seed: not a whole number: " + *v;
                return std::nullopt;
            }
        } else if (arg == "--aircraft") {
            const std::string* v = value();
            if (v == nullptr) {
                return std::nullopt;
            }
            if (!readNumber(*v, options.aircraft) || options.aircraft > kMaxAircraft) {
                error = "--aircraft: expected 0 to 1000000: " + *v;
                return std::nullopt;
            }
        } else {
            error = "unknown option: " + arg;
            return std::nullopt;
        }
    }
    return options;
}

std::string SimOptions::usage() {
    return "Usage: corvane-sim [options]\n"
           "Writes a simulated IVAO traffic snapshot around Frankfurt (EDDF) and keeps it moving.\n"
           "\n"
           "Options:\n"
           "  --out FILE          snapshot to write, a regular file or a new one\n"
           "                      (default ./recent.dat)\n"
           "  --interval SECONDS  time between rewrites (default 5)\n"
           "  --once              write one snapshot and exit\n"
           "  --seed N            traffic seed; the same seed gives the same traffic (default 1)\n"
           "  --aircraft N        number of pilot clients, up to 1000000 (default 40)\n"
           "  --in-place          rewrite the file in place instead of writing a temporary\n"
           "                      file and renaming it over the snapshot\n"
           "  --at SECONDS        simulated time to start at (default 0)\n"
           "  --help              print this help and exit\n"
           "  --version           print the version and the licence and exit\n"
           "\n"
           "Exit status:\n"
           "  0  done (--once), or stopped by a signal\n"
           "  1  a snapshot could not be written\n"
           "  2  a usage error, or an --out that cannot be written\n"
           "\n"
           "The demo controller is EDDF_APP: connect as JANE DOE (or VID 123456).\n";
}

}  // namespace corvane::sim
