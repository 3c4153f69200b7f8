// The live feed turned into snapshot lines: a feed document written from the feed's notes
// against its golden snapshot; the reader's handling of times, broken documents and outages.

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
    const AirportTable airports = AirportTable::read(table);
    std::ifstream firs(kData + "../../../data/firs.txt");
    const PilotPlaces places(airports, FirTable::read(firs));
    const FeedSnapshot snapshot = snapshotFromFeed(*feed, airports, &places);
    // AFR1234's departure time lies a day ahead (142200 s): its time of day, 1530, is written.
    EXPECT_EQ(snapshot.text, readFileBytes(kData + "recent.golden.dat"));
    EXPECT_EQ(snapshot.stations, 3u);
    EXPECT_EQ(snapshot.pilots, 5u);
    EXPECT_EQ(snapshot.leftOut, 1u);          // BAD:CALL
    EXPECT_EQ(snapshot.withoutPosition, 1u);  // EZY77, no lastTrack yet
}

std::vector<std::string> fieldsOf(const std::string& line) {
    return splitAt(line.substr(0, line.find("\r\n")), ':');
}

// A 5 MB route must not push the squawk past the length at which the program cuts a line; the
// cut falls before a character, not inside one.
TEST(FeedSnapshot, AHugeRouteIsCutSoTheSquawkStaysOnTheLine) {
    std::string route = "A";
    for (int i = 0; i < 2'500'000; ++i) {
        route += "\xC3\xA9";  // é
    }
    const std::string document =
        R"({"clients":{"pilots":[{"callsign":"DLH4","lastTrack":{"latitude":1,"longitude":2,)"
        R"("transponder":1234},"flightPlan":{"route":")" +
        route + R"("}}]}})";
    std::string error;
    const auto feed = FeedReader::parse(document, error);
    ASSERT_TRUE(feed) << error;
    const std::vector<std::string> fields = fieldsOf(snapshotFromFeed(*feed, {}).text);
    ASSERT_EQ(fields.size(), 47u);
    EXPECT_EQ(fields[36], "1234");
    EXPECT_EQ(fields[34], route.substr(0, 4095));
}

// Clients past the reader's limit are counted, not read: memory stays bounded by the limit.
TEST(FeedSnapshot, ClientsPastTheLimitAreLeftOutAndCounted) {
    std::string document = R"({"clients":{"pilots":[)";
    for (std::size_t i = 0; i <= FeedReader::kMaxClients; ++i) {
        document += (i == 0 ? "" : ",") + std::string(R"({"callsign":"P)") + std::to_string(i) +
                    R"(","lastTrack":{"latitude":1,"longitude":2}})";
    }
    document += "]}}";
    std::string error;
    const auto feed = FeedReader::parse(document, error);
    ASSERT_TRUE(feed) << error;
    const FeedSnapshot snapshot = snapshotFromFeed(*feed, {});
    EXPECT_EQ(snapshot.pilots, FeedReader::kMaxClients);
    EXPECT_EQ(snapshot.leftOut, 1u);
    EXPECT_EQ(fieldsOf(snapshot.text.substr(snapshot.text.rfind("\r\nP") + 2))[0], "P19999");
}

const TextFunctions kFeed = {
    {"document",
     [](const CaseRow& c) {
         std::string error;
         const auto feed = FeedReader::parse(c[1], error);
         EXPECT_EQ(feed.has_value(), error.empty());
         return feed ? std::to_string(snapshotFromFeed(*feed, {}).pilots) + " pilots" : error;
     }},
    {"written",  // the lines written, "|" after each, then how many clients were left out
     [](const CaseRow& c) {
         std::string error;
         const auto feed = FeedReader::parse(c[1], error);
         if (!feed) {
             return error;
         }
         const FeedSnapshot snapshot = snapshotFromFeed(*feed, {});
         std::string lines = snapshot.text;
         for (std::size_t at; (at = lines.find("\r\n")) != std::string::npos;) {
             lines.replace(at, 2, "|");
         }
         return lines + std::to_string(snapshot.leftOut) + " left out";
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

// The parser holds every bracket since the last value: a run of thousands ends the read.
TEST(FeedReaderLimits, ARunOfThousandsOfEmptyObjectsIsNoFeed) {
    const auto pilots = [](int count) {
        std::string document = R"({"clients":{"pilots":[)";
        for (int i = 0; i < count; ++i) {
            document += i == 0 ? "{}" : ",{}";
        }
        return document + "]}}";
    };
    std::string error;
    EXPECT_TRUE(FeedReader::parse(pilots(2000), error).has_value()) << error;
    EXPECT_FALSE(FeedReader::parse(pilots(2100), error).has_value());
    EXPECT_EQ(error, "the feed holds thousands of empty brackets in a row");
}

}  // namespace
}  // namespace corvane::test
