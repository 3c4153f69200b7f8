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
#include "support/CaseTable.h"
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

const TextFunctions kFeed = {
    {"document",
     [](const CaseRow& c) {
         std::string error;
         const auto feed = FeedReader::parse(c[1], error);
         EXPECT_EQ(feed.has_value(), error.empty());
         return feed ? std::to_string(snapshotFromFeed(*feed, {}).pilots) + " pilots" : error;
     }},
    {"time",
     [](const CaseRow& c) {
         const auto millis = FeedReader::timeMillis(c[1]);
         return millis ? std::to_string(*millis) : "(none)";
     }},
};

CORVANE_TEXT_TABLE(FeedTexts, kFeed, "feed/documents.tsv");

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
