#include <gtest/gtest.h>

#include <string>

#include "snapshot/PilotSquawks.h"
#include "snapshot/SnapshotLine.h"
#include "support/CaseTable.h"
#include "support/SnapshotLines.h"
#include "window/SquawkMarks.h"

namespace corvane {
namespace {

using test::CaseRow;

// The snapshot line a table token stands for: CALLSIGN=SQUAWK, cut before its last field with a
// trailing ~, or ATC:CALLSIGN for a controller's station.
std::string lineOf(const std::string& token) {
    if (token.starts_with("ATC:")) {
        return test::stationLine(token.substr(4), "123456", "JANE DOE", "5", "Somewhere", "");
    }
    const auto eq = token.find('=');
    std::string squawk = token.substr(eq + 1);
    const bool cut = squawk.ends_with('~');
    if (cut) {
        squawk.pop_back();
    }
    test::PilotLine line(token.substr(0, eq));
    line.set(snapshot::Squawk, squawk);
    if (cut) {
        line.cut(snapshot::FlightType);
    }
    return line.text();
}

EntryKind kindOf(const std::string& list) {
    if (list == "List1") {
        return EntryKind::ClearedDeparture;
    }
    return list == "List2" ? EntryKind::AssignedArrival : EntryKind::Traffic;
}

std::string shown(const ItemMark& mark) {
    switch (mark.kind) {
        case MarkKind::None:
            return "none";
        case MarkKind::NotSet:
            return "not-set|" + mark.why;
        case MarkKind::Gone:
            return "gone|" + mark.why;
        case MarkKind::Duplicate:
            return "duplicate|" + mark.why;
        case MarkKind::Emergency:
            return "emergency|" + mark.why;
    }
    return "?";
}

class SquawkMarkCase : public ::testing::TestWithParam<CaseRow> {};

TEST_P(SquawkMarkCase, MarksTheEntry) {
    const CaseRow& row = GetParam();
    AircraftSquawks squawks;
    SnapshotLine line;
    for (const std::string& token : test::splitAt(row[0], ';')) {
        const std::string text = lineOf(token);
        line.splitFields(text, PilotSquawks::kFields);
        PilotSquawks::add(squawks, line);
    }
    ListBox list;
    list.add(row[2]);
    list.marks = SquawkMarks(squawks).markEntries(list.items, kindOf(row[1]));
    EXPECT_EQ(shown(list.markAt(0)), row[3]);
}

CORVANE_CASES(Table, SquawkMarkCase, "snapshot/squawk-marks.tsv");

TEST(ListBoxMarks, StayOneAnItemThroughEveryChange) {
    ListBox list;
    list.setItems({"AFR12", "DLH4", "BAW1"});
    list.add("EZY9");
    EXPECT_TRUE(list.marks.empty());
    list.removeAt(3);
    list.marks.resize(3);
    list.marks[1] = {MarkKind::Gone, "NOT IN THE TRAFFIC FILE"};
    list.marks[2] = {MarkKind::Duplicate, "X"};
    list.removeAt(0);
    ASSERT_EQ(list.marks.size(), 2U);
    EXPECT_EQ(list.marks[0].kind, MarkKind::Gone);
    list.add("EZY9");
    EXPECT_EQ(list.marks.size(), 3U);
    EXPECT_EQ(list.markAt(2).kind, MarkKind::None);
    EXPECT_EQ(list.markAt(7).kind, MarkKind::None);
    list.clear();
    EXPECT_TRUE(list.marks.empty());
}

// A file of more aircraft than any network holds costs bounded memory and marks nothing.
TEST(SquawkMarksOverflow, TooManyAircraftMarkNothing) {
    AircraftSquawks squawks;
    for (std::size_t i = 0; i < AircraftSquawks::kMaxAircraft; ++i) {
        squawks.seen("P" + std::to_string(i), "7700");
    }
    EXPECT_EQ(SquawkMarks(squawks).mark("P1", EntryKind::Traffic).kind, MarkKind::Emergency);
    squawks.seen("ONEMORE", "7700");
    EXPECT_TRUE(squawks.aircraft().empty());
    EXPECT_EQ(SquawkMarks(squawks).mark("P1", EntryKind::Traffic).kind, MarkKind::None);
    EXPECT_EQ(SquawkMarks(squawks).mark("GONE - 2331", EntryKind::ClearedDeparture).kind,
              MarkKind::None);
}

}  // namespace
}  // namespace corvane
