#include "clearance/AssignedLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClearanceFixture.h"
#include "app/ConnectionReset.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;

class AssignedListsTest : public test::ClearanceFixture {
protected:
    AssignedListsTest() {
        writeSnapshot({pilotLine("ABC12", "EDDT", "LIRF", "1000"),
                       pilotLine("XYZ34567", "EDDT", "LFPG", "1000"),
                       pilotLine("ABC123", "LIRF", "EDDT", "4521"),
                       pilotLine("DEF4567", "LFPG", "EDDT", "4522")});
    }

    void clearDeparture(const std::string& callsign, const std::string& sid, int sidIndex) {
        prepareDeparture(callsign);
        window().CmbSid.items.push_back(sid);
        window().CmbSid.select(sidIndex);
        ASSERT_EQ(app->click("cmdSidGen"), ActionResult::Done);
    }
    void clearArrival(const std::string& callsign, const std::string& squawk) {
        prepareArrival(callsign);
        window().lblSqAss.text = squawk;
        ASSERT_EQ(app->click("cmdStarGen"), ActionResult::Done);
    }
};

constexpr const char* kFirstClearance =
    "SOME AIR 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABC1A STANDARD DEPARTURE CLIMB "
    "AND MANTAIN FL 120 INITIALLY SQUAWK 2301";
constexpr const char* kSecondClearance =
    "SOME AIR 34567 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABCDEF STANDARD DEPARTURE CLIMB "
    "AND MANTAIN FL 120 INITIALLY SQUAWK 2302";

TEST_F(AssignedListsTest, ClickingADepartureEntryShowsItsLoggedClearance) {
    clearDeparture("ABC12", "ABC1A ", 1);
    // A callsign longer than the padding is read back whole.
    clearDeparture("XYZ34567", "ABCDEF", 2);
    EXPECT_EQ(window().LblIfrSid.text, kSecondClearance);
    window().lblCompanyDep.text = "kept";
    window().Timer1.enabled = true;
    window().lblParam.visible = false;
    window().lblParam.backColour = colour::kRed;
    window().lblParam.text = "caption";

    ASSERT_EQ(app->select("List1", 0), ActionResult::Done);
    EXPECT_EQ(state().SelectedDepartureCallsign, "ABC12");
    EXPECT_EQ(window().LblIfrSid.text, kFirstClearance);
    EXPECT_EQ(window().txtSidAss.text,
              "SID ABC1A RNW 25L-------- RNW 25L TRK 249 FIX BBB-------- RNW 25L TRK 251 FIX DDD");
    EXPECT_TRUE(window().cmdRemoveDep.enabled);
    EXPECT_TRUE(window().cmdFPDep.enabled);
    EXPECT_EQ(window().lblParam.fontSize, 22);
    EXPECT_EQ(window().lblParam.backColour, colour::kYellow);
    EXPECT_TRUE(window().lblParam.visible);
    EXPECT_EQ(window().lblCompanyDep.text, "kept");
    // The analysis of the aircraft ran again.
    EXPECT_EQ(window().Label1_13.text, "LIRF");

    ASSERT_EQ(app->select("List1", 1), ActionResult::Done);
    EXPECT_EQ(state().SelectedDepartureCallsign, "XYZ34567");
    EXPECT_EQ(window().LblIfrSid.text, kSecondClearance);
    EXPECT_EQ(window().txtSidAss.text, "SID ABCDEF1X");
}

TEST_F(AssignedListsTest, AnAircraftClearedTwiceShowsTheSecondClearance) {
    clearDeparture("ABC12", "ABC1A ", 1);
    window().LstDeparture.clear();
    clearDeparture("ABC12", "ABCDEF", 2);
    ASSERT_EQ(window().List1.items, (Items{"ABC12   - 2301", "ABC12   - 2302"}));
    window().LblIfrSid.text.clear();
    ASSERT_EQ(app->select("List1", 0), ActionResult::Done);
    EXPECT_NE(window().LblIfrSid.text.find("VIA ABCDEF "), std::string::npos);
    EXPECT_NE(window().LblIfrSid.text.find("SQUAWK 2302"), std::string::npos);
}

TEST_F(AssignedListsTest, ClickingAnArrivalEntryShowsItsLoggedClearance) {
    clearArrival("ABC123", "4521");
    clearArrival("DEF4567", "4522");
    window().Timer2.enabled = true;
    ASSERT_EQ(app->select("List2", 0), ActionResult::Done);
    EXPECT_EQ(state().SelectedArrivalCallsign, "ABC123");
    EXPECT_EQ(window().lblIfrStar.text,
              "SOME AIR 123 RADAR CONTACT FLY DIRECT XYZ THEN XYZ1A STANDARD ARRIVAL DESCENT AND "
              "MANTAIN FL 70 ACCORDING TO THE MINIMA EXPECTED ILS APP RWY 25R");
    EXPECT_EQ(window().txtStarAss.text, "STAR XYZ1A XYZ FIX RWY 25R");
    EXPECT_TRUE(window().cmdRemoveArr.enabled);
    EXPECT_TRUE(window().cmdFPArr.enabled);
}

TEST_F(AssignedListsTest, AClearanceHoldingASlashIsReadBackWhole) {
    clearDeparture("ABC12", "ABC1A ", 1);
    prepareDeparture("XYZ34567", "Air/Line");
    ASSERT_EQ(app->click("cmdSidGen"), ActionResult::Done);
    const std::string shown = window().LblIfrSid.text;
    EXPECT_EQ(shown.substr(0, 15), "AIR/LINE 34567 ");
    window().LblIfrSid.text.clear();
    window().txtSidAss.text.clear();
    ASSERT_EQ(app->select("List1", 1), ActionResult::Done);
    EXPECT_EQ(window().LblIfrSid.text, shown);
    EXPECT_EQ(window().txtSidAss.text,
              "SID ABC1A RNW 25L-------- RNW 25L TRK 249 FIX BBB-------- RNW 25L TRK 251 FIX DDD");
}

TEST_F(AssignedListsTest, RemovingAskedNoKeepsEverything) {
    clearDeparture("ABC12", "ABC1A ", 1);
    ASSERT_EQ(app->select("List1", 0), ActionResult::Done);
    platform.answers.push_back(false);
    ASSERT_EQ(app->click("cmdRemoveDep"), ActionResult::Done);
    const auto& question = platform.messages.back();
    EXPECT_EQ(question.text, "ARE YOU SURE ?");
    EXPECT_EQ(question.title, "REMOVE AIRCRAFT");
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2301"}));
    EXPECT_TRUE(window().cmdRemoveDep.enabled);
    EXPECT_TRUE(window().cmdFPDep.enabled);
}

TEST_F(AssignedListsTest, RemovingAskedYesTakesTheEntryOffAndKeepsTheLog) {
    clearArrival("ABC123", "4521");
    clearArrival("DEF4567", "4522");
    ASSERT_EQ(app->select("List2", 0), ActionResult::Done);
    platform.answers.push_back(true);
    ASSERT_EQ(app->click("cmdRemoveArr"), ActionResult::Done);
    EXPECT_EQ(platform.messages.back().title, "REMOVE AIRCRAFT");
    EXPECT_EQ(window().List2.items, (Items{"DEF4567 - 4522"}));
    EXPECT_FALSE(window().cmdRemoveArr.enabled);
    EXPECT_FALSE(window().cmdFPArr.enabled);
    EXPECT_TRUE(window().LstArrival.items.empty());
    EXPECT_EQ(home.read("DATA/arrival.txt").substr(0, 8), "ABC123 /");
    // A disabled remove button does nothing more.
    EXPECT_EQ(app->click("cmdRemoveArr"), ActionResult::Ignored);
}

TEST_F(AssignedListsTest, RoundTripSelectClearReadBackRemoveAndReset) {
    window().CmbTORwy.items = {"25L", "25R", "07"};
    ASSERT_EQ(app->select("CmbTORwy", 0), ActionResult::Done);
    ASSERT_EQ(window().CmbSid.items, (Items{"ABCDE1", "ABC1A ", "ABCDEF"}));
    window().cmbLandRwy.items = {"25L", "25R", "07"};
    ASSERT_EQ(app->select("cmbLandRwy", 1), ActionResult::Done);
    ASSERT_EQ(window().cmbStar.items, (Items{"XYZ1A ", "QRS2B"}));

    clearDeparture("ABC12", "ABC1A ", 1);
    clearArrival("ABC123", "4521");
    ASSERT_EQ(window().List1.items, (Items{"ABC12   - 2301"}));
    ASSERT_EQ(window().List2.items, (Items{"ABC123  - 4521"}));

    window().LblIfrSid.text.clear();
    ASSERT_EQ(app->select("List1", 0), ActionResult::Done);
    EXPECT_EQ(window().LblIfrSid.text, kFirstClearance);
    platform.answers.push_back(true);
    ASSERT_EQ(app->click("cmdRemoveDep"), ActionResult::Done);
    EXPECT_TRUE(window().List1.items.empty());

    ConnectionReset::resetConnection(context());
    EXPECT_FALSE(home.exists("DATA/departure.txt"));
    EXPECT_FALSE(home.exists("DATA/arrival.txt"));
    EXPECT_TRUE(window().List2.items.empty());
    EXPECT_TRUE(window().CmbSid.items.empty());
    EXPECT_TRUE(window().cmbStar.items.empty());
    EXPECT_TRUE(window().List3.items.empty());
    EXPECT_TRUE(state().IssuedCodes.empty());
    EXPECT_EQ(window().LblSquawk.text, "");
}

}  // namespace
}  // namespace corvane
