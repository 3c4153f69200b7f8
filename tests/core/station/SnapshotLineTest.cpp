#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"

namespace corvane {
namespace {

TEST(SnapshotLine, AnEmptyLineHasNoFields) {
    SnapshotLine line;
    line.split("");
    EXPECT_EQ(line.count(), 0u);
    EXPECT_FALSE(line.has(0));
}

TEST(SnapshotLine, ASingleFieldLineNeverGivesFieldZero) {
    SnapshotLine line;
    line.split("DLH123");
    EXPECT_EQ(line.count(), 1u);
    EXPECT_FALSE(line.has(snapshot::Callsign));
    EXPECT_EQ(line.field(snapshot::Callsign), "");
}

TEST(SnapshotLine, AUseOfFieldNNeedsMoreThanNFields) {
    std::string text = "DLH123";
    for (int i = 1; i < 20; ++i) {
        text += ":f" + std::to_string(i);
    }
    SnapshotLine line;
    line.split(text);
    EXPECT_EQ(line.count(), 20u);
    EXPECT_EQ(line.field(snapshot::Callsign), "DLH123");
    EXPECT_FALSE(line.has(snapshot::DepLon));  // field 20 needs 21 fields
    EXPECT_EQ(line.field(snapshot::DepLat), "f19");
    EXPECT_TRUE(line.fieldIs(snapshot::DepAirport, "f16"));
}

TEST(SnapshotLine, KeepsEmptyFieldsAndTheLastOne) {
    SnapshotLine line;
    line.split("A::C:");
    EXPECT_EQ(line.count(), 4u);
    EXPECT_EQ(line.field(1), "");
    EXPECT_EQ(line.field(2), "C");
    EXPECT_TRUE(line.has(3));
    EXPECT_EQ(line.field(3), "");
}

TEST(SnapshotLine, ASplitCutShortStillKnowsLaterFieldsExist) {
    SnapshotLine line;
    line.split("A:B:C:D:E", 2);
    EXPECT_EQ(line.field(2), "C");
    EXPECT_FALSE(line.has(3));
    EXPECT_GT(line.count(), 3u);
    line.split("A:B:C", 2);
    EXPECT_EQ(line.count(), 3u);
    EXPECT_EQ(line.field(2), "C");
}

TEST(SnapshotLine, ASplitForSomeFieldsReadsOnlyThose) {
    std::string text = "DLH123";
    for (int i = 1; i < 47; ++i) {
        text += ":f" + std::to_string(i);  // long enough for the 16-byte steps
    }
    SnapshotLine line;
    const auto wanted =
        SnapshotLine::bit(snapshot::Callsign) | SnapshotLine::bit(snapshot::DepAirport) |
        SnapshotLine::bit(snapshot::DestAirport) | SnapshotLine::bit(snapshot::CtrArr);
    line.splitFields(text, wanted);
    EXPECT_EQ(line.field(snapshot::Callsign), "DLH123");
    EXPECT_EQ(line.field(snapshot::DepAirport), "f16");
    EXPECT_EQ(line.field(snapshot::DestAirport), "f21");
    EXPECT_EQ(line.field(snapshot::CtrArr), "f44");
    EXPECT_FALSE(line.has(snapshot::DepLat));
    EXPECT_FALSE(line.has(snapshot::CtrCurrent));
    line.splitFields("A:B", wanted);
    EXPECT_EQ(line.field(snapshot::Callsign), "A");
    EXPECT_FALSE(line.has(snapshot::DepAirport));
}

TEST(SnapshotLine, EverySplitAgreesWithAPlainSplitOnLinesOfEveryShape) {
    // Field lengths 0..20 in turn, so colons fall at every place of the 8- and 16-byte steps.
    for (std::size_t shift = 0; shift < 17; ++shift) {
        std::vector<std::string> expected;
        std::string text;
        for (std::size_t i = 0; i < 50; ++i) {
            expected.push_back(std::string((i * 7 + shift) % 21, static_cast<char>('a' + i % 26)));
            text += (i == 0 ? "" : ":") + expected.back();
        }
        SnapshotLine line;
        line.split(text);
        for (std::size_t i = 1; i < SnapshotLine::kKeptFields; ++i) {
            ASSERT_EQ(line.field(i), expected[i]) << "shift " << shift << " field " << i;
        }
        line.splitFields(text, SnapshotLine::bit(3) | SnapshotLine::bit(29));
        EXPECT_EQ(line.field(3), expected[3]);
        EXPECT_EQ(line.field(29), expected[29]);
    }
}

}  // namespace
}  // namespace corvane
