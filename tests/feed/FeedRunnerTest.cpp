// corvane-feed's reading and writing: the HTTP path against a server on 127.0.0.1, the loop's
// outage reports and retry delays, the freshness rule and the command line.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#ifdef __linux__
#include <sys/prctl.h>
#endif

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "FeedOptions.h"
#include "FeedRunner.h"
#include "support/CaseTable.h"
#include "support/PosixOnly.h"
#include "support/TempFolder.h"

namespace corvane::test {
namespace {

/// An HTTP server on 127.0.0.1 that answers one request with fixed bytes, after a delay, then
/// closes. Every wait is bounded, so a client that never comes cannot hang a test.
class LoopbackServer {
public:
    LoopbackServer(std::string answer, std::chrono::milliseconds delay)
        : answer_(std::move(answer)), delay_(delay) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
        ::listen(listener_, 1);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~LoopbackServer() {
        thread_.join();
        ::close(listener_);
    }

    /// The address of the server's one document.
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/whazzup"; }
    /// The request head the server received (read it after the client is done).
    const std::string& request() const { return request_; }

private:
    static constexpr int kWaitMs = 5000;

    void serve() {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, kWaitMs) <= 0) {
            return;
        }
        const int client = ::accept(listener_, nullptr, nullptr);
        char buffer[4096];
        pollfd reading{client, POLLIN, 0};
        while (request_.find("\r\n\r\n") == std::string::npos && ::poll(&reading, 1, kWaitMs) > 0) {
            const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
            if (got <= 0) {
                break;
            }
            request_.append(buffer, static_cast<std::size_t>(got));
        }
        std::this_thread::sleep_for(delay_);
        for (std::size_t sent = 0; sent < answer_.size();) {
            const ssize_t put =
                ::send(client, answer_.data() + sent, answer_.size() - sent, MSG_NOSIGNAL);
            if (put <= 0) {
                break;
            }
            sent += static_cast<std::size_t>(put);
        }
        ::close(client);
    }

    std::string answer_;
    std::chrono::milliseconds delay_;
    int listener_ = -1;
    unsigned short port_ = 0;
    std::string request_;
    std::thread thread_;
};

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
                            feed::loadFirs("", errors), errors);
}

class HttpFeed : public ::testing::TestWithParam<CaseRow> {};

// tests/data/feed/http.tsv; columns: status, body (a file of tests/data/feed or "text:" and
// the text), more headers, delay in ms, bytes kept of the answer ("all" or "half"), the error
// ("" when the snapshot is written).
TEST_P(HttpFeed, WritesTheSnapshotOrKeepsTheLastGoodOne) {
    const CaseRow& c = GetParam();
    const std::string body =
        c[1].starts_with("text:") ? c[1].substr(5) : readFileBytes(kData + c[1]);
    const std::string whole = answer(c[0], body, c[2]);
    TempFolder folder;
    folder.write("recent.dat", kPrevious);
    LoopbackServer server(c[4] == "all" ? whole : whole.substr(0, whole.size() / 2),
                          std::chrono::milliseconds(c.number(3)));
    feed::FeedOptions options;
    options.out = folder.file("recent.dat");
    options.url = server.url();
    options.timeoutSeconds = 1;
    std::ostringstream errors;
    feed::FeedRunner runner = runnerFor(options, errors);
    std::string error;
    EXPECT_EQ(runner.step(error), c[5].empty());
    EXPECT_EQ(error, c[5]);
    EXPECT_EQ(folder.read("recent.dat"),
              c[5].empty() ? readFileBytes(kData + "recent.golden.dat") : kPrevious);
    EXPECT_FALSE(folder.exists("recent.dat.tmp"));
    EXPECT_NE(server.request().find("\r\nUser-Agent: corvane-feed/"), std::string::npos);
    EXPECT_NE(server.request().find("\r\nAccept-Encoding: "), std::string::npos);
}

CORVANE_CASES(Feed, HttpFeed, "feed/http.tsv");

const std::string kDocument = readFileBytes(kData + "whazzup.json");

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
              "corvane-feed: left out 1 clients: a callsign that cannot be written or is repeated, "
              "or past the first 20000\n"
              "corvane-feed: feed unavailable, keeping the last snapshot: the feed is not a JSON "
              "document\n"
              "corvane-feed: feed back, snapshot updated\n");
}

// A document dated in 2099, once written, would keep every true one after it from being
// written. The clock stands at 16:05:00; up to five minutes ahead is a clock difference.
TEST(FeedLoop, ADocumentDatedAheadOfTheClockIsRefusedAndTheNextTrueOneWritten) {
    TempFolder folder;
    feed::FeedOptions options;
    options.out = folder.file("recent.dat");
    options.from = folder.file("whazzup.json");
    std::ostringstream errors;
    feed::FeedRunner runner(options, feed::loadAirports(kData + "airports.csv", errors), {}, errors,
                            [] { return 1672848300000LL; });  // 2023-01-04T16:05:00Z
    std::vector<std::string> outcomes;
    for (const std::string time : {"2099-01-04T16:04:22Z", "2023-01-04T16:04:22.381Z",
                                   "2023-01-04T16:10:01Z", "2023-01-04T16:10:00Z"}) {
        std::string document = kDocument;
        document.replace(document.find("2023-01-04T16:04:22.381Z"), 24, time);
        folder.write("whazzup.json", document);
        folder.write("recent.dat", "seen\r\n");
        std::string error;
        outcomes.push_back(runner.step(error) ? folder.read("recent.dat").substr(0, 8) : error);
    }
    EXPECT_EQ(outcomes,
              (std::vector<std::string>{
                  "the feed is dated 2099-01-04T16:04:22Z, more than 5 minutes ahead of this "
                  "computer's clock",
                  "EDDF_TWR",
                  "the feed is dated 2023-01-04T16:10:01Z, more than 5 minutes ahead of this "
                  "computer's clock",
                  "EDDF_TWR"}));
}

class FeedFiles : public ::testing::TestWithParam<CaseRow> {};

// tests/data/feed/files.tsv; columns: what stands at the path, the airport table's warning,
// the error of a read of it as a saved document ("{}" stands for the path).
TEST_P(FeedFiles, AreReadOnlyWhenRegularAndOfASaneSize) {
    CORVANE_SKIP_UNLESS_POSIX("devices and named pipes");
    TempFolder folder;
    std::string path = folder.file("file");
    const std::string kind = GetParam()[0];
    if (kind == "device") {
        path = "/dev/zero";
    } else if (kind == "folder") {
        std::filesystem::create_directory(path);
    } else if (kind == "pipe") {
        ASSERT_TRUE(makePipe(path));
    } else if (kind != "missing") {
        folder.write("file", "");
        std::filesystem::resize_file(path, std::stoull(kind) * 1024 * 1024 + 1);
    }
    const auto withPath = [&path](std::string text) {
        const std::size_t at = text.find("{}");
        return at == std::string::npos ? text : text.replace(at, 2, path);
    };
    std::ostringstream warnings;
    EXPECT_EQ(feed::loadAirports(path, warnings).size(), 0u);
    EXPECT_EQ(warnings.str(), withPath(GetParam()[1]));
    feed::FeedOptions options;
    options.out = folder.file("recent.dat");
    options.from = path;
    std::ostringstream errors;
    std::string error;
    EXPECT_FALSE(feed::FeedRunner(options, {}, {}, errors).step(error));
    EXPECT_EQ(error, withPath(GetParam()[2]));
}

CORVANE_CASES(Feed, FeedFiles, "feed/files.tsv");

TEST(FeedLoop, RetryDelayDoublesUpToFiveMinutes) {
    std::vector<int> delays;
    for (int failures = 0; failures <= 6; ++failures) {
        delays.push_back(feed::retryDelaySeconds(15, failures));
    }
    EXPECT_EQ(delays, (std::vector<int>{15, 30, 60, 120, 240, 300, 300}));
    EXPECT_EQ(feed::retryDelaySeconds(600, 3), 600);
}

#ifdef __linux__
// Started by the window with --parent, the reader ends with it even when the window is killed
// and runs no code at all. A shell stands for the window; this test adopts the orphaned reader
// (a subreaper), so it can wait for its end.
TEST(FeedProcess, EndsWhenTheProcessThatStartedItIsKilled) {
    TempFolder folder;
    folder.write("whazzup.json", kDocument);
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    // The shell tells its own process id and the reader's, then waits for the reader.
    const std::string command = std::string("'") + CORVANE_FEED_PROGRAM + "' --out '" +
                                folder.file("recent.dat") + "' --from '" +
                                folder.file("whazzup.json") +
                                "' --interval 1 --parent $$ 2>/dev/null & echo $$ $!; wait";
    FILE* const shellOutput = ::popen(command.c_str(), "r");
    ASSERT_NE(shellOutput, nullptr);
    pid_t shell = 0;
    pid_t reader = 0;
    ASSERT_EQ(std::fscanf(shellOutput, "%d %d", &shell, &reader), 2);
    const auto waitFor = [](const std::function<bool()>& done) {
        for (int tenths = 0; tenths < 50; ++tenths) {
            if (done()) {
                return true;
            }
            std::this_thread::sleep_for(100ms);
        }
        return false;
    };
    EXPECT_TRUE(waitFor([&] { return folder.exists("recent.dat"); }));
    ::kill(shell, SIGKILL);
    ::pclose(shellOutput);
    int status = 0;
    const bool ended = waitFor([&] { return ::waitpid(reader, &status, WNOHANG) == reader; });
    if (!ended) {
        ::kill(reader, SIGKILL);
        ::waitpid(reader, nullptr, 0);
    }
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
    EXPECT_TRUE(ended);
}
#endif

class FeedCommandLine : public ::testing::TestWithParam<CaseRow> {};

// tests/data/feed/options.tsv; columns: the arguments ("|" between), the error ("" when
// accepted).
TEST_P(FeedCommandLine, IsAcceptedOrRefused) {
    std::string error;
    EXPECT_EQ(feed::parseOptions(splitAt(GetParam()[0], '|'), error).has_value(),
              GetParam()[1].empty());
    EXPECT_EQ(error, GetParam()[1]);
}

CORVANE_CASES(Feed, FeedCommandLine, "feed/options.tsv");

}  // namespace
}  // namespace corvane::test
