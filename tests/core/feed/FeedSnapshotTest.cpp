// The live feed turned into snapshot lines: a feed document written from the feed's notes
// against its golden snapshot, and the reader's handling of times and broken documents.

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "feed/FeedOutage.h"
#include "feed/FeedReader.h"
#include "feed/FeedSnapshot.h"
#include "support/CaseName.h"
#include "support/TempFolder.h"

namespace corvane::test {
namespace {

const std::string kData = std::string(CORVANE_TEST_DATA) + "/feed/";

TEST(FeedSnapshot, TheSampleFeedGivesTheGoldenSnapshot) {
    std::string error;
    const auto feed = FeedReader::parse(readFileBytes(kData + "whazzup.json"), error);
    ASSERT_TRUE(feed) << error;
    std::ifstream table(kData + "airports.csv");
    const FeedSnapshot snapshot = snapshotFromFeed(*feed, AirportTable::read(table));
    EXPECT_EQ(snapshot.text, readFileBytes(kData + "recent.golden.dat"));
    EXPECT_EQ(snapshot.stations, 3u);
    EXPECT_EQ(snapshot.pilots, 5u);
    EXPECT_EQ(snapshot.unsafeCallsigns, 1u);  // BAD:CALL
    EXPECT_EQ(snapshot.withoutPosition, 1u);  // EZY77, no lastTrack yet
}

struct DocumentCase {
    std::string name;
    std::string document;
    std::string error;  ///< empty: read, with `pilots` pilot lines written
    std::size_t pilots = 0;
};

class FeedDocument : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(FeedDocument, IsReadOrRefusedWithItsReason) {
    const DocumentCase& c = GetParam();
    std::string error;
    const auto feed = FeedReader::parse(c.document, error);
    EXPECT_EQ(error, c.error);
    ASSERT_EQ(feed.has_value(), c.error.empty());
    if (feed) {
        EXPECT_EQ(snapshotFromFeed(*feed, {}).pilots, c.pilots);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Feed, FeedDocument,
    ::testing::Values(
        DocumentCase{"NotJson", "<html>403 Forbidden</html>", "the feed is not a JSON document"},
        DocumentCase{"Truncated", R"({"updatedAt":"2023-01-04T16:04:22Z","clients":{"pi)",
                     "the feed is not a JSON document"},
        DocumentCase{"JsonButNoFeed", R"([1,2,3])", "the document has no clients"},
        DocumentCase{"ClientsOfTheWrongType", R"({"clients":[]})", "the document has no clients"},
        DocumentCase{"EmptyFeed", R"({"clients":{}})", ""},
        DocumentCase{"MembersOfTheWrongType",
                     R"({"clients":{"pilots":[7,{"callsign":"X1","lastTrack":{"latitude":"1",)"
                     R"("longitude":2}},{"callsign":"X2","lastTrack":{"latitude":-91,)"
                     R"("longitude":2}},{"callsign":["X3"]},{"callsign":"X4","lastTrack":)"
                     R"({"latitude":1,"longitude":2,"altitude":1e300},"flightPlan":7}]}})",
                     "", 1}),
    caseName<DocumentCase>);

struct TimeCase {
    std::string name;
    std::string text;
    std::optional<long long> millis;
};

class FeedTime : public ::testing::TestWithParam<TimeCase> {};

TEST_P(FeedTime, ReadsAsMillisecondsSince1970) {
    EXPECT_EQ(FeedReader::timeMillis(GetParam().text), GetParam().millis);
}

INSTANTIATE_TEST_SUITE_P(
    Feed, FeedTime,
    ::testing::Values(TimeCase{"WithMilliseconds", "2023-01-04T16:04:22.381Z", 1672848262381},
                      TimeCase{"WholeSeconds", "2026-04-06T11:15:12Z", 1775474112000},
                      TimeCase{"Epoch", "1970-01-01T00:00:00Z", 0},
                      TimeCase{"NoZone", "2023-01-04T16:04:22", std::nullopt},
                      TimeCase{"LocalOffset", "2023-01-04T16:04:22+01:00", std::nullopt},
                      TimeCase{"Empty", "", std::nullopt},
                      TimeCase{"Month13", "2023-13-04T16:04:22Z", std::nullopt}),
    caseName<TimeCase>);

// The reader's reports as the window follows them: one warning per outage, none for the lines
// in between, and a new one only after the feed was back.
TEST(FeedOutage, WarnsOncePerOutage) {
    FeedOutage outage;
    std::vector<std::string> shown;
    for (const char* line :
         {"corvane-feed: left out 1 clients whose callsign cannot be written",
          "corvane-feed: feed unavailable, keeping the last snapshot: HTTP status 403",
          "corvane-feed: feed unavailable, keeping the last snapshot: HTTP status 500",
          "corvane-feed: feed back, snapshot updated",
          "corvane-feed: feed unavailable, keeping the last snapshot: Timeout was reached"}) {
        if (auto warning = outage.take(line)) {
            shown.push_back(*warning);
        }
    }
    if (auto warning = outage.readerStopped("the reader ended")) {
        shown.push_back(*warning);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "PAY ATTENTION!!! THE LIVE IVAO FEED IS UNAVAILABLE (HTTP status 403). "
                         "THE LAST TRAFFIC SNAPSHOT STAYS IN USE",
                         "PAY ATTENTION!!! THE LIVE IVAO FEED IS UNAVAILABLE (Timeout was "
                         "reached). THE LAST TRAFFIC SNAPSHOT STAYS IN USE"}));
}

}  // namespace
}  // namespace corvane::test
