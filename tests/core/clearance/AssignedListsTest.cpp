// The read-back and removal of whole sessions are driver sessions
// (tests/data/script/clearance/WholeSession...); these need a window set by hand.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClearanceFixture.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;

class AssignedListsTest : public test::ClearanceFixture {
protected:
    AssignedListsTest() {
        writeSnapshot({pilotLine("ABC12", "EDDT", "LIRF", "1000"),
                       pilotLine("ABC123", "LIRF", "EDDT", "4521"),
                       pilotLine("DEF4567", "LFPG", "EDDT", "4522")});
    }
    void clearDeparture(int sidIndex) {
        preparePanel(false, "ABC12");
        window().CmbSid.select(sidIndex);
        ASSERT_EQ(app->click("cmdSidGen"), ActionResult::Done);
    }
    void clearArrival(const std::string& callsign, const std::string& squawk) {
        preparePanel(true, callsign);
        window().lblSqAss.text = squawk;
        ASSERT_EQ(app->click("cmdStarGen"), ActionResult::Done);
    }
};

TEST_F(AssignedListsTest, ADepartureClearedTwiceShowsTheSecondAndItsAnalysisAgain) {
    clearDeparture(1);
    window().LstDeparture.clear();
    clearDeparture(2);
    ASSERT_EQ(window().List1.items, (Items{"ABC12   - 2301", "ABC12   - 2302"}));
    window().LblIfrSid.text.clear();
    window().lblCompanyDep.text = "kept";
    window().Label1_13.text.clear();
    window().Timer1.enabled = true;
    window().lblParam.visible = false;
    window().lblParam.backColour = colour::kRed;
    ASSERT_EQ(app->select("List1", 0), ActionResult::Done);
    EXPECT_NE(window().LblIfrSid.text.find("VIA ABCDEF "), std::string::npos);
    EXPECT_NE(window().LblIfrSid.text.find("SQUAWK 2302"), std::string::npos);
    EXPECT_EQ(window().lblParam.fontSize, 22);
    EXPECT_EQ(window().lblParam.backColour, colour::kYellow);
    EXPECT_TRUE(window().lblParam.visible);
    EXPECT_EQ(window().lblCompanyDep.text, "kept");
    EXPECT_EQ(window().Label1_13.text, "LIRF");
}

TEST_F(AssignedListsTest, RemovingAnArrivalAskedYesTakesTheEntryOffAndKeepsTheLog) {
    clearArrival("ABC123", "4521");
    clearArrival("DEF4567", "4522");
    ASSERT_EQ(app->select("List2", 0), ActionResult::Done);
    platform.answers.push_back(true);
    ASSERT_EQ(app->click("cmdRemoveArr"), ActionResult::Done);
    EXPECT_EQ(platform.messages.back().title, "REMOVE AIRCRAFT");
    EXPECT_EQ(window().List2.items, (Items{"DEF4567 - 4522"}));
    EXPECT_FALSE(window().cmdRemoveArr.enabled || window().cmdFPArr.enabled);
    EXPECT_TRUE(window().LstArrival.items.empty());
    EXPECT_EQ(home.read("DATA/arrival.txt").substr(0, 8), "ABC123 /");
    EXPECT_EQ(app->click("cmdRemoveArr"), ActionResult::Ignored);
}

}  // namespace
}  // namespace corvane
