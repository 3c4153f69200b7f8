#include "FeedRunner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "HttpFetch.h"
#include "feed/FeedReader.h"
#include "feed/FeedSnapshot.h"
#include "platform/FilePublisher.h"
#include "platform/ProgramFolderLocator.h"

namespace corvane::feed {

namespace {

constexpr int kMaxRetrySeconds = 300;
constexpr std::uintmax_t kMaxDocumentBytes = 64U * 1024U * 1024U;

}  // namespace

int retryDelaySeconds(int intervalSeconds, int failures) {
    long long delay = intervalSeconds;
    for (int i = 0; i < failures && delay < kMaxRetrySeconds; ++i) {
        delay *= 2;
    }
    return static_cast<int>(
        std::max<long long>(intervalSeconds, std::min<long long>(delay, kMaxRetrySeconds)));
}

FeedRunner::FeedRunner(FeedOptions options, AirportTable airports, FirTable firs,
                       std::ostream& errors)
    : options_(std::move(options)),
      airports_(std::move(airports)),
      places_(airports_, std::move(firs)),
      errors_(errors) {}

std::optional<std::string> FeedRunner::fetch(std::string& error) const {
    if (options_.from.empty()) {
        HttpAnswer answer = httpGet(options_.url, options_.timeoutSeconds);
        if (!answer.ok) {
            error = answer.error;
            return std::nullopt;
        }
        return std::move(answer.body);
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(options_.from, ec);
    if (ec || size > kMaxDocumentBytes) {
        error = "cannot read " + options_.from;
        return std::nullopt;
    }
    std::ifstream in(options_.from, std::ios::binary);
    std::string document((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) {
        error = "cannot read " + options_.from;
        return std::nullopt;
    }
    return document;
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
    if (updated && lastWritten_ && *updated <= *lastWritten_) {
        return true;  // nothing new since the snapshot on disk
    }
    const FeedSnapshot snapshot = snapshotFromFeed(*feed, airports_, &places_);
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
    if (snapshot.unsafeCallsigns != lastUnsafe_) {
        errors_ << "corvane-feed: left out " << snapshot.unsafeCallsigns
                << " clients whose callsign cannot be written\n";
        lastUnsafe_ = snapshot.unsafeCallsigns;
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

}  // namespace

AirportTable loadAirports(const std::string& path, std::ostream& errors) {
    const std::vector<std::string> candidates = tableCandidates(path, "airports.csv");
    for (const std::string& candidate : candidates) {
        std::ifstream in(candidate, std::ios::binary);
        if (in) {
            return AirportTable::read(in);
        }
    }
    errors << "corvane-feed: no airport table at " << candidates.front()
           << "; aerodrome coordinates stay empty\n";
    return {};
}

FirTable loadFirs(const std::string& path, std::ostream& errors) {
    const std::vector<std::string> candidates = tableCandidates(path, "firs.txt");
    for (const std::string& candidate : candidates) {
        std::ifstream in(candidate, std::ios::binary);
        if (in) {
            return FirTable::read(in);
        }
    }
    errors << "corvane-feed: no FIR table at " << candidates.front()
           << "; the area control codes stay empty\n";
    return {};
}

}  // namespace corvane::feed
