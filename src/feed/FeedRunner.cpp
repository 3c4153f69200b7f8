#include "FeedRunner.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <sstream>
#include <utility>

#include "BoundedFile.h"
#include "HttpFetch.h"
#include "feed/FeedReader.h"
#include "feed/FeedSnapshot.h"
#include "platform/FilePublisher.h"
#include "platform/ProgramFolderLocator.h"

namespace corvane::feed {

namespace {

constexpr int kMaxRetrySeconds = 300;
constexpr std::uintmax_t kMaxDocumentBytes = 64U * 1024U * 1024U;
// The shipped table is 0.3 MB.
constexpr std::uintmax_t kMaxAirportTableBytes = 16U * 1024U * 1024U;
// The shipped FIR table is 0.4 MB.
constexpr std::uintmax_t kMaxFirTableBytes = 16U * 1024U * 1024U;

}  // namespace

int retryDelaySeconds(int intervalSeconds, int failures) {
    long long delay = intervalSeconds;
    for (int i = 0; i < failures && delay < kMaxRetrySeconds; ++i) {
        delay *= 2;
    }
    return static_cast<int>(
        std::max<long long>(intervalSeconds, std::min<long long>(delay, kMaxRetrySeconds)));
}

long long systemClockMillis() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

FeedRunner::FeedRunner(FeedOptions options, AirportTable airports, FirTable firs,
                       std::ostream& errors, std::function<long long()> clockMillis)
    : options_(std::move(options)),
      airports_(std::move(airports)),
      places_(airports_, std::move(firs)),
      errors_(errors),
      clockMillis_(std::move(clockMillis)) {}

std::optional<std::string> FeedRunner::fetch(std::string& error) const {
    if (options_.from.empty()) {
        HttpAnswer answer = httpGet(options_.url, options_.timeoutSeconds);
        if (!answer.ok) {
            error = answer.error;
            return std::nullopt;
        }
        return std::move(answer.body);
    }
    return readBoundedFile(options_.from, kMaxDocumentBytes, error);
}

bool FeedRunner::step(std::string& error) {
    const std::optional<std::string> document = fetch(error);
    if (!document) {
        return false;
    }
    const std::optional<LiveFeed> feed = FeedReader::parse(*document, error);
    if (!feed) {
        return false;
    }
    const std::optional<long long> updated = FeedReader::timeMillis(feed->updatedAt);
    if (updated && *updated > clockMillis_() + kMaxFeedAheadMillis) {
        error = "the feed is dated " + feed->updatedAt +
                ", more than 5 minutes ahead of this computer's clock";
        return false;
    }
    if (updated && lastWritten_ && *updated <= *lastWritten_) {
        return true;  // nothing new since the snapshot on disk
    }
    const FeedSnapshot snapshot = snapshotFromFeed(*feed, airports_, &places_);
    if (snapshot.stations == 0 && snapshot.pilots == 0) {
        // No network is ever empty; an empty snapshot would only hide the traffic of the last.
        error = "the feed holds no station or pilot that can be written";
        return false;
    }
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(options_.out).parent_path();
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, ec);  // a failure shows in the write below
    }
    if (!FilePublisher::publish(
            options_.out, false, [&snapshot](std::ostream& out) { out << snapshot.text; }, error)) {
        return false;
    }
    lastWritten_ = updated;
    if (snapshot.leftOut != lastLeftOut_) {
        errors_ << "corvane-feed: left out " << snapshot.leftOut
                << " clients: a callsign that cannot be written or is repeated, or past the first "
                << FeedReader::kMaxClients << "\n";
        lastLeftOut_ = snapshot.leftOut;
    }
    return true;
}

int FeedRunner::runOnce() {
    std::string error;
    if (step(error)) {
        return 0;
    }
    errors_ << "corvane-feed: " << error << '\n';
    return 1;
}

int FeedRunner::run(const std::function<bool()>& keepGoing, const std::function<void(int)>& sleep) {
    int failures = 0;
    while (keepGoing()) {
        std::string error;
        if (step(error)) {
            if (failures > 0) {
                errors_ << kFeedRecoveredLine << '\n' << std::flush;
            }
            failures = 0;
        } else {
            if (failures == 0) {
                errors_ << kFeedOutageLine << kFeedOutageReasonLead << error << '\n' << std::flush;
            }
            ++failures;
        }
        if (keepGoing()) {
            sleep(retryDelaySeconds(options_.intervalSeconds, failures));
        }
    }
    return 0;
}

namespace {

// `path`, or where a shipped table `name` may be: installed beside the program (relocatable),
// then where it was configured to go, then the source tree of a build that was never installed.
std::vector<std::string> tableCandidates(const std::string& path, const std::string& name) {
    if (!path.empty()) {
        return {path};
    }
    std::vector<std::string> candidates;
    for (const std::string& folder :
         ProgramFolderLocator::fromEnvironment(std::nullopt, "").defaultsFolders) {
        candidates.push_back(folder + "/" + name);
    }
    candidates.push_back(std::string(CORVANE_SOURCE_DATA_DIR) + "/" + name);
    return candidates;
}

// The first candidate that is a regular file within `limit` bytes, read whole; without one,
// `error` says why the first could not be read. A device or a pipe never hangs the reader.
std::optional<std::string> readTable(const std::vector<std::string>& candidates,
                                     std::uintmax_t limit, std::string& error) {
    for (const std::string& candidate : candidates) {
        std::string why;
        if (auto text = readBoundedFile(candidate, limit, why)) {
            return text;
        }
        if (error.empty()) {
            error = why;
        }
    }
    return std::nullopt;
}

}  // namespace

AirportTable loadAirports(const std::string& path, std::ostream& errors) {
    std::string error;
    if (const auto text =
            readTable(tableCandidates(path, "airports.csv"), kMaxAirportTableBytes, error)) {
        std::istringstream in(*text);
        return AirportTable::read(in);
    }
    errors << "corvane-feed: no airport table (" << error
           << "); aerodrome coordinates stay empty\n";
    return {};
}

FirTable loadFirs(const std::string& path, std::ostream& errors) {
    std::string error;
    if (const auto text = readTable(tableCandidates(path, "firs.txt"), kMaxFirTableBytes, error)) {
        std::istringstream in(*text);
        return FirTable::read(in);
    }
    errors << "corvane-feed: no FIR table (" << error << "); the area control codes stay empty\n";
    return {};
}

}  // namespace corvane::feed
