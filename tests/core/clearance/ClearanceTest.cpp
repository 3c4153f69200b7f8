#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "ClearanceFixture.h"
#include "app/ConnectionReset.h"
#include "clearance/DepartureClearance.h"
#include "support/SnapshotLines.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;
using test::CaseRow;

class Clearances : public test::ClearanceFixture, public ::testing::WithParamInterface<CaseRow> {};

// Columns: the button, what the window holds before (callsign, airline, own and others'
// squawks in the snapshot, then any key of AppFixture::preset), what it holds after.
TEST_P(Clearances, AreGivenOrRefused) {
    const CaseRow& c = GetParam();
    std::string callsign = c[0] == "cmdSidGen" ? "ABC12" : "ABC123";
    std::string airline = "Some Air";
    std::vector<std::string> lines;
    for (const auto& [key, value] : c.pairs(1)) {
        callsign = key == "callsign" ? value : callsign;
        airline = key == "airline" ? value : airline;
        if (key == "own" || key == "others") {
            for (const std::string& squawk : test::splitAt(value, '|')) {
                test::PilotLine line(key == "own" ? callsign : "OTH" + squawk);
                line.set(snapshot::DepAirport, key == "own" ? "EDDT" : "EDDF");
                lines.push_back(line.set(snapshot::Squawk, squawk).text());
            }
            lines.push_back(test::stationLine("EDDT_TWR", "123456", "JANE DOE", "5", "Tower",
                                              "EDDT INFORMATION K"));
        }
    }
    writeSnapshot(lines);
    preparePanel(c[0] != "cmdSidGen", callsign, airline);
    for (const auto& [key, value] : c.pairs(1)) {
        if (key != "callsign" && key != "airline" && key != "own" && key != "others") {
            preset(key, value);
        }
    }
    ASSERT_EQ(app->click(c[0]), ActionResult::Done);
    for (const auto& [key, expected] : c.pairs(2)) {
        std::string shown = value(key);
#ifdef _WIN32
        std::replace(shown.begin(), shown.end(), '\\', '/');  // the table writes paths with "/"
#endif
        EXPECT_EQ(shown, expected) << key;
    }
}

CORVANE_CASES(Table, Clearances, "clearance/clearances.tsv");

class DepartureClearanceTest : public test::ClearanceFixture {
protected:
    void generate(const std::string& callsign) {
        preparePanel(false, callsign);
        ASSERT_EQ(app->click("cmdSidGen"), ActionResult::Done);
    }
};

TEST_F(DepartureClearanceTest, TheRangeEndIsGivenOutOnceThenRefused) {
    window().LblSquawk.text = "2376";
    generate("ABC12");
    generate("XYZ345");
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2376", "XYZ345  - 2377"}));
    EXPECT_EQ(window().LblSquawk.text, "2377");
    generate("QQQ77");
    EXPECT_EQ(platform.messageTexts(),
              (Items{"PAY ATTENTION!!! NO TRANSPONDER CODE GENERATED PLEASE INDICATE THE RANGE"}));
    EXPECT_EQ(window().List1.items.size(), 2u);
    EXPECT_EQ(window().LstDeparture.items, (Items{"QQQ77"}));
}

TEST_F(DepartureClearanceTest, ACodeIsNeverGivenTwiceInAConnection) {
    generate("ABC12");
    // Whatever the window offers later, a code given out stays taken until the reset.
    window().LblSquawk.text = "2301";
    generate("XYZ345");
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2301", "XYZ345  - 2302"}));
    ConnectionReset::resetConnection(context());
    EXPECT_TRUE(state().IssuedCodes.empty());
    window().Lblr1_1.text = "2301";
    window().Lblr2_1.text = "2377";
    window().LblSquawk.text = "2301";
    generate("ABC12");
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2301"}));
}

TEST_F(DepartureClearanceTest, ValidateEnablesTheButtonOnSuccess) {
    preparePanel(false, "ABC12");
    window().cmdSidGen.enabled = false;
    EXPECT_TRUE(DepartureClearance::validate(context()));
    EXPECT_TRUE(window().cmdSidGen.enabled);
    window().TxtInClimb.text.clear();
    EXPECT_FALSE(DepartureClearance::validate(context()));
}

}  // namespace
}  // namespace corvane
