#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane::feed {

inline constexpr const char* kIvaoFeedUrl = "https://api.ivao.aero/v2/tracker/whazzup";

/// The feed refreshes about every 15 s; polling faster only risks a ban.
inline constexpr int kMinUrlIntervalSeconds = 15;

/// What `corvane-feed` was asked to do.
struct FeedOptions {
    std::string out;   ///< the snapshot to write
    std::string from;  ///< a saved feed document, when not reading the network
    std::string url = kIvaoFeedUrl;
    std::string airports;  ///< the airport table; empty: the one the program ships
    std::string firs;      ///< the FIR boundaries; empty: the ones the program ships
    bool once = false;
    int intervalSeconds = kMinUrlIntervalSeconds;
    int timeoutSeconds = 20;  ///< for one whole HTTP exchange
    bool help = false;
    bool version = false;
    /// The process that started this one (the window), 0 for none: the reader ends with it.
    int parentPid = 0;
};

/// The usage text, one option a line.
std::string usage();

/// The options of the command line `arguments` (without the program name), or nothing with a
/// one-line reason in `error`.
std::optional<FeedOptions> parseOptions(const std::vector<std::string>& arguments,
                                        std::string& error);

}  // namespace corvane::feed
