// The live feed turned into snapshot lines: a feed document written from the feed's notes
// against its golden snapshot; the reader's handling of times, broken documents and outages.

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

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
    // AFR1234's departure time lies a day ahead (142200 s): its time of day, 1530, is written.
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
    {"outage",  // the reader's lines ("|" between), then the reader stopping; the warnings shown
     [](const CaseRow& c) {
         FeedOutage outage;
         std::string shown;
         for (const std::string& line : splitAt(c[1], '|')) {
             shown += outage.take(line).value_or("") + "|";
         }
         return shown + outage.readerStopped("the reader ended").value_or("");
     }},
    {"time",
     [](const CaseRow& c) {
         const auto millis = FeedReader::timeMillis(c[1]);
         return millis ? std::to_string(*millis) : "(none)";
     }},
};

CORVANE_TEXT_TABLE(FeedTexts, kFeed, "feed/documents.tsv");

}  // namespace
}  // namespace corvane::test
