#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "FeedOptions.h"
#include "feed/AirportTable.h"
#include "feed/FeedOutage.h"
#include "feed/FirTable.h"
#include "feed/PilotPlaces.h"

namespace corvane::feed {

/// How long to wait before the next read after `failures` failed reads in a row: the interval,
/// doubled per failure, at most five minutes (never less than the interval).
int retryDelaySeconds(int intervalSeconds, int failures);

/// How far a feed's `updatedAt` may lie ahead of this computer's clock. A document dated later
/// is refused: written, it would keep every true document after it from being written, as none
/// would be newer.
inline constexpr long long kMaxFeedAheadMillis = 5LL * 60 * 1000;

/// Milliseconds since 1970.
long long systemClockMillis();

/// Reads the feed and keeps the snapshot file up to date.
class FeedRunner {
public:
    /// A runner for `options`, placing aerodromes with `airports` and aircraft and aerodromes in
    /// the FIRs of `firs`, reporting on `errors`, telling the time by `clockMillis`
    /// (milliseconds since 1970).
    FeedRunner(FeedOptions options, AirportTable airports, FirTable firs, std::ostream& errors,
               std::function<long long()> clockMillis = systemClockMillis);

    /// One read and, when the feed is newer than the snapshot last written, one whole atomic
    /// write. False with a one-line reason when the feed cannot be read or written, or the
    /// document is no usable feed (not one, dated too far ahead, no client that can be
    /// written); the previous snapshot then stays as it was.
    bool step(std::string& error);

    /// `--once`: one step; the exit status 0, or 1 with the reason on the error stream.
    int runOnce();

    /// Steps until `keepGoing` says no, waiting through `sleep` (seconds) between reads. An
    /// outage is reported once, when it begins, and once when it ends. Returns 0.
    int run(const std::function<bool()>& keepGoing, const std::function<void(int)>& sleep);

private:
    std::optional<std::string> fetch(std::string& error) const;

    FeedOptions options_;
    AirportTable airports_;
    PilotPlaces places_;
    std::ostream& errors_;
    std::function<long long()> clockMillis_;
    std::optional<long long> lastWritten_;
    std::size_t lastLeftOut_ = 0;  ///< said only when the count changes
};

/// The airport table at `path`, or the one the program ships when `path` is empty. A table that
/// cannot be read (missing, not a regular file, larger than any table) gives an empty table and
/// a warning on `errors`.
AirportTable loadAirports(const std::string& path, std::ostream& errors);

/// The FIR boundaries at `path`, or the ones the program ships when `path` is empty, found like
/// the airport table. A table that cannot be read gives no boundaries and a warning on `errors`.
FirTable loadFirs(const std::string& path, std::ostream& errors);

}  // namespace corvane::feed
