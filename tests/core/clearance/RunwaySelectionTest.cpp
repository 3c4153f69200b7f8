#include "clearance/RunwaySelection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ClearanceFixture.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;

class RunwaySelectionTest : public test::ClearanceFixture {
protected:
    void pickTakeOffRunway(const std::string& runway) {
        window().CmbTORwy.items = {"25L", "25R", "07"};
        ASSERT_EQ(app->select("CmbTORwy", indexOf(window().CmbTORwy.items, runway)),
                  ActionResult::Done);
    }
    void pickLandingRunway(const std::string& runway) {
        window().cmbLandRwy.items = {"25L", "25R", "07", "25", "09"};
        ASSERT_EQ(app->select("cmbLandRwy", indexOf(window().cmbLandRwy.items, runway)),
                  ActionResult::Done);
    }
    static int indexOf(const Items& items, const std::string& text) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == text) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

TEST_F(RunwaySelectionTest, TakeOffRunwayListsEverySidCutToSixColumns) {
    pickTakeOffRunway("25L");
    EXPECT_EQ(window().CmbSid.items, (Items{"ABCDE1", "ABC1A ", "ABCDEF"}));
    EXPECT_EQ(window().txtSidAss.text, "");
    EXPECT_EQ(window().lblPosDep.text, "");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(RunwaySelectionTest, EachTakeOffSelectionAppendsTheSidsAgain) {
    pickTakeOffRunway("25L");
    pickTakeOffRunway("07");
    EXPECT_EQ(window().CmbSid.items,
              (Items{"ABCDE1", "ABC1A ", "ABCDEF", "ABCDE1", "ABC1A ", "ABCDEF"}));
}

TEST_F(RunwaySelectionTest, AnAirportWithoutSidsSaysSo) {
    state().AirportCode = "EDDN";
    window().CmbSid.items = {"OLD1A "};
    pickTakeOffRunway("25R");
    EXPECT_EQ(window().CmbSid.items, (Items{"OLD1A "}));
    EXPECT_EQ(window().txtSidAss.text, "NO SID AVAILABLE IN THIS AIRPORT");
    EXPECT_EQ(window().lblPosDep.text, "NO SID");
}

TEST_F(RunwaySelectionTest, LandingRunwayListsStarsAndTheRunwaysApproaches) {
    pickLandingRunway("25R");
    EXPECT_EQ(window().cmbStar.items, (Items{"XYZ1A ", "QRS2B"}));
    // 'APPROACH ILS25R' passes the test of columns 13-15 only, 'APPROACH RNAV25R' the one of
    // columns 14-16.
    EXPECT_EQ(window().List3.items, (Items{"ILS25R ", "RNAV25R"}));
    EXPECT_EQ(window().List4.items, (Items{"ILS25R FINAL 3000 FT", "RNAV25R"}));
    EXPECT_EQ(window().txtStarAss.text, "");
    EXPECT_EQ(window().lblPosArr.text, "");
}

TEST_F(RunwaySelectionTest, ATwoCharacterRunwayCanListAnApproachTwice) {
    pickLandingRunway("07");
    // 'APPROACH VOR07' passes the tests of columns 13-14 and 13-15 (the line ends at 14);
    // 'APPROACH RNAV07 Z' passes the test of columns 14-15 only.
    EXPECT_EQ(window().List3.items, (Items{"VOR07", "VOR07", "RNAV07 "}));
    EXPECT_EQ(window().List4.items, (Items{"VOR07", "VOR07", "RNAV07 Z"}));
}

TEST_F(RunwaySelectionTest, ATwoCharacterRunwayMatchesRightAfterTheApproachPrefix) {
    pickLandingRunway("25");
    EXPECT_EQ(window().List3.items, (Items{"ILS25R ", "RNAV25R", "ILS25L"}));
}

TEST_F(RunwaySelectionTest, ARunwayWithoutApproachesListsNone) {
    pickLandingRunway("09");
    EXPECT_TRUE(window().List3.items.empty());
    EXPECT_TRUE(window().List4.items.empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(RunwaySelectionTest, EachLandingSelectionRenewsTheApproachesButAppendsTheStars) {
    pickLandingRunway("25R");
    pickLandingRunway("25L");
    EXPECT_EQ(window().cmbStar.items, (Items{"XYZ1A ", "QRS2B", "XYZ1A ", "QRS2B"}));
    EXPECT_EQ(window().List3.items, (Items{"ILS25L"}));
    EXPECT_EQ(window().List4.items, (Items{"ILS25L"}));
}

TEST_F(RunwaySelectionTest, AnAirportWithoutStarsStillListsApproaches) {
    state().AirportCode = "EDDN";
    pickLandingRunway("25R");
    EXPECT_TRUE(window().cmbStar.items.empty());
    EXPECT_EQ(window().txtStarAss.text, "NO STAR AVAILABLE IN THIS AIRPORT");
    EXPECT_EQ(window().lblPosArr.text, "NO STAR");
    EXPECT_EQ(window().List3.items, (Items{"ILS25R "}));
    EXPECT_EQ(window().List4.items, (Items{"ILS25R Y"}));
}

TEST_F(RunwaySelectionTest, ApproachListsOpenAndCloseTheDescriptionFrame) {
    pickLandingRunway("25R");
    EXPECT_FALSE(window().fraILS.visible);
    EXPECT_EQ(app->select("List3", 1), ActionResult::Done);
    EXPECT_TRUE(window().fraILS.visible);
    EXPECT_EQ(app->select("List3", 0), ActionResult::Done);
    EXPECT_TRUE(window().fraILS.visible);
    EXPECT_EQ(app->select("List4", 0), ActionResult::Done);
    EXPECT_FALSE(window().fraILS.visible);
}

TEST_F(RunwaySelectionTest, AProcedureFileThatCannotBeOpenedIsNamedAndNothingChanges) {
    std::filesystem::remove(home.file("SIDSTARS/EDDT.txt"));
    window().CmbSid.items = {"OLD1A "};
    window().List3.items = {"ILS25R "};
    window().List4.items = {"ILS25R"};
    pickTakeOffRunway("25L");
    pickLandingRunway("25R");
    ASSERT_EQ(platform.messages.size(), 2u);
    const std::string expected = "PAY ATTENTION!!! THE PROCEDURE FILE " +
                                 home.file("SIDSTARS/EDDT.txt") +
                                 " CANNOT BE READ (FILE NOT FOUND)";
    EXPECT_EQ(platform.messages[0].text, expected);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.messages[1].text, expected);
    EXPECT_EQ(window().CmbSid.items, (Items{"OLD1A "}));
    EXPECT_EQ(window().txtSidAss.text, "");
    EXPECT_TRUE(window().cmbStar.items.empty());
    EXPECT_EQ(window().List3.items, (Items{"ILS25R "}));
    EXPECT_EQ(window().List4.items, (Items{"ILS25R"}));
    EXPECT_EQ(window().txtStarAss.text, "");
}

TEST_F(RunwaySelectionTest, AProcedureFileIsFoundWhateverItsLetterCase) {
    std::filesystem::rename(home.file("SIDSTARS/EDDT.txt"), home.file("SIDSTARS/eddt.TXT"));
    pickTakeOffRunway("25L");
    EXPECT_EQ(window().CmbSid.items.size(), 3u);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace corvane
