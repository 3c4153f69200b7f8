// corvane-feed's reading and writing: the HTTP path against a server on 127.0.0.1, the loop's
// outage reports and retry delays, the freshness rule and the command line.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "FeedOptions.h"
#include "FeedRunner.h"
#include "LoopbackServer.h"
#include "support/CaseName.h"
#include "support/TempFolder.h"

namespace corvane::test {
namespace {

using namespace std::chrono_literals;

const std::string kData = std::string(CORVANE_TEST_DATA) + "/feed/";
const std::string kPrevious = "EDDF_TWR:654321::5:previous\r\n";

std::string answer(const std::string& status, const std::string& body,
                   const std::string& headers = "") {
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: application/json\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\n" + headers + "Connection: close\r\n\r\n" + body;
}

feed::FeedRunner runnerFor(feed::FeedOptions options, std::ostream& errors) {
    return feed::FeedRunner(std::move(options), feed::loadAirports(kData + "airports.csv", errors),
                            errors);
}

struct HttpCase {
    std::string name;
    std::string answer;
    std::chrono::milliseconds delay;
    std::string error;  ///< empty: the snapshot is written
};
void PrintTo(const HttpCase& c, std::ostream* out) {
    *out << c.name;
}

class HttpFeed : public ::testing::TestWithParam<HttpCase> {};

TEST_P(HttpFeed, WritesTheSnapshotOrKeepsTheLastGoodOne) {
    const HttpCase& c = GetParam();
    TempFolder folder;
    folder.write("recent.dat", kPrevious);
    LoopbackServer server(c.answer, c.delay);
    feed::FeedOptions options;
    options.out = folder.file("recent.dat");
    options.url = server.url();
    options.timeoutSeconds = 1;
    std::ostringstream errors;
    feed::FeedRunner runner = runnerFor(options, errors);
    std::string error;
    EXPECT_EQ(runner.step(error), c.error.empty());
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(folder.read("recent.dat"),
              c.error.empty() ? readFileBytes(kData + "recent.golden.dat") : kPrevious);
    EXPECT_FALSE(folder.exists("recent.dat.tmp"));
    EXPECT_NE(server.request().find("\r\nUser-Agent: corvane-feed/"), std::string::npos);
    EXPECT_NE(server.request().find("\r\nAccept-Encoding: "), std::string::npos);
}

const std::string kDocument = readFileBytes(kData + "whazzup.json");

INSTANTIATE_TEST_SUITE_P(
    Feed, HttpFeed,
    ::testing::Values(
        HttpCase{"Plain", answer("200 OK", kDocument), 0ms, ""},
        HttpCase{"Gzip",
                 answer("200 OK", readFileBytes(kData + "whazzup.json.gz"),
                        "Content-Encoding: gzip\r\n"),
                 0ms, ""},
        HttpCase{"Forbidden", answer("403 Forbidden", "<html>denied</html>"), 0ms,
                 "HTTP status 403"},
        HttpCase{"ServerError", answer("500 Internal Server Error", "{}"), 0ms, "HTTP status 500"},
        HttpCase{"PastTheTimeout", answer("200 OK", kDocument), 1500ms, "Timeout was reached"},
        HttpCase{"Truncated",
                 answer("200 OK", kDocument).substr(0, answer("200 OK", kDocument).size() / 2), 0ms,
                 "Transferred a partial file"},
        HttpCase{"NotJson", answer("200 OK", "<html>maintenance</html>"), 0ms,
                 "the feed is not a JSON document"}),
    caseName<HttpCase>);

// The loop over a saved document that changes between reads: an outage is told once when it
// begins and once when it ends, the delay grows while it lasts, and a feed that is not newer
// than the snapshot on disk is not written again.
TEST(FeedLoop, ReportsAnOutageOnceKeepsTheSnapshotAndBacksOff) {
    TempFolder folder;
    const std::string newer = [] {
        std::string text = kDocument;
        text.replace(text.find("16:04:22.381Z"), 13, "16:04:37Z");
        return text;
    }();
    const std::vector<std::string> documents = {kDocument, "{", "", newer, kDocument, newer};
    feed::FeedOptions options;
    options.out = folder.file("recent.dat");
    options.from = folder.file("whazzup.json");
    std::ostringstream errors;
    feed::FeedRunner runner = runnerFor(options, errors);
    folder.write("whazzup.json", documents.front());
    std::size_t next = 1;
    bool finished = false;
    std::vector<int> delays;
    std::vector<std::string> snapshots;
    runner.run([&] { return !finished; },
               [&](int seconds) {
                   delays.push_back(seconds);
                   snapshots.push_back(folder.read("recent.dat"));
                   folder.write("recent.dat", "seen\r\n");  // tells a new write from none
                   finished = next == documents.size();
                   if (!finished) {
                       folder.write("whazzup.json", documents[next++]);
                   }
               });
    const std::string golden = readFileBytes(kData + "recent.golden.dat");
    EXPECT_EQ(snapshots, (std::vector<std::string>{golden, "seen\r\n", "seen\r\n", golden,
                                                   "seen\r\n", "seen\r\n"}));
    EXPECT_EQ(delays, (std::vector<int>{15, 30, 60, 15, 15, 15}));
    EXPECT_EQ(errors.str(),
              "corvane-feed: left out 1 clients whose callsign cannot be written\n"
              "corvane-feed: feed unavailable, keeping the last snapshot: the feed is not a JSON "
              "document\n"
              "corvane-feed: feed back, snapshot updated\n");
}

TEST(FeedLoop, RetryDelayDoublesUpToFiveMinutes) {
    std::vector<int> delays;
    for (int failures = 0; failures <= 6; ++failures) {
        delays.push_back(feed::retryDelaySeconds(15, failures));
    }
    EXPECT_EQ(delays, (std::vector<int>{15, 30, 60, 120, 240, 300, 300}));
    EXPECT_EQ(feed::retryDelaySeconds(600, 3), 600);
}

struct OptionsCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string error;
};
void PrintTo(const OptionsCase& c, std::ostream* out) {
    *out << c.name;
}

class FeedCommandLine : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(FeedCommandLine, IsAcceptedOrRefused) {
    std::string error;
    EXPECT_EQ(feed::parseOptions(GetParam().arguments, error).has_value(),
              GetParam().error.empty());
    EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Feed, FeedCommandLine,
    ::testing::Values(
        OptionsCase{"NetworkEvery15s", {"--out", "r.dat", "--interval", "15"}, ""},
        OptionsCase{
            "SavedFileEverySecond", {"--out", "r.dat", "--from", "f", "--interval", "1"}, ""},
        OptionsCase{"NetworkFasterThan15s",
                    {"--out", "r.dat", "--url", "http://127.0.0.1/", "--interval", "14"},
                    "--interval below 15 seconds is refused for the network feed"},
        OptionsCase{"NoOut", {"--once"}, "--out FILE is required"},
        OptionsCase{"BothSources",
                    {"--out", "r.dat", "--from", "f", "--url", "http://127.0.0.1/"},
                    "--from and --url exclude each other"},
        OptionsCase{"IntervalNotANumber",
                    {"--out", "r.dat", "--interval", "15s"},
                    "--interval needs a whole number of seconds from 1 to 86400"},
        OptionsCase{"MissingValue", {"--out"}, "--out needs a value"},
        OptionsCase{"Unknown", {"--out", "r.dat", "--fast"}, "unknown option --fast"}),
    caseName<OptionsCase>);

}  // namespace
}  // namespace corvane::test
