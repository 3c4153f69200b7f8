#include <gtest/gtest.h>

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

}  // namespace
}  // namespace corvane
