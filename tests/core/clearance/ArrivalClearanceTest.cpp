#include "clearance/ArrivalClearance.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ClearanceFixture.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;

constexpr const char* kAbc123Clearance =
    "SOME AIR 123 RADAR CONTACT FLY DIRECT XYZ THEN XYZ1A STANDARD ARRIVAL DESCENT AND MANTAIN "
    "FL 70 ACCORDING TO THE MINIMA EXPECTED ILS APP RWY 25R";

class ArrivalClearanceTest : public test::ClearanceFixture {
protected:
    void generate() { ASSERT_EQ(app->click("cmdStarGen"), ActionResult::Done); }
};

TEST_F(ArrivalClearanceTest, WorkedExampleGivesTheClearanceListEntryAndLog) {
    prepareArrival("ABC123");
    generate();
    const MainWindowModel& w = window();
    EXPECT_EQ(w.lblIfrStar.text, kAbc123Clearance);
    EXPECT_EQ(w.txtStarAss.text, "STAR XYZ1A XYZ FIX RWY 25R");
    EXPECT_EQ(state().CallsignNumberLength, 3);
    EXPECT_EQ(w.List2.items, (Items{"ABC123  - 4521"}));
    EXPECT_TRUE(w.LstArrival.items.empty());
    EXPECT_EQ(state().SelectedArrivalCallsign, "ABC123 ");
    EXPECT_EQ(home.read("DATA/arrival.txt"),
              std::string("ABC123 /") + kAbc123Clearance + "/STAR XYZ1A XYZ FIX RWY 25R\r\n");
    EXPECT_FALSE(home.exists("DATA/departure.txt"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ArrivalClearanceTest, LeavesTheCurrentCodeAloneEvenForARangeStartEndingInSeven) {
    window().Lblr1_1.text = "6007";
    window().Lblr2_1.text = "6077";
    window().LblSquawk.text = "6007";
    prepareArrival("ABC123");
    generate();
    EXPECT_EQ(window().LblSquawk.text, "6007");
    EXPECT_TRUE(state().IssuedCodes.empty());
}

TEST_F(ArrivalClearanceTest, FeetForFourDigitsAndTheRunwayEntryAsItStands) {
    prepareArrival("ABC1234");
    window().txtDescend.text = "4000";
    window().cmbLandRwy.items = {"07 "};
    window().cmbLandRwy.select(0);
    generate();
    EXPECT_EQ(window().lblIfrStar.text,
              "SOME AIR 1234 RADAR CONTACT FLY DIRECT XYZ THEN XYZ1A STANDARD ARRIVAL DESCENT AND "
              "MANTAIN 4000 FEET ACCORDING TO THE MINIMA EXPECTED ILS APP RWY 07 ");
    EXPECT_EQ(window().List2.items, (Items{"ABC1234 - 4521"}));
}

TEST_F(ArrivalClearanceTest, AnAircraftWithoutACodeGetsAnEntryEndingInTheDash) {
    prepareArrival("ABC12");
    window().lblSqAss.text.clear();
    generate();
    EXPECT_EQ(window().List2.items, (Items{"ABC12   - "}));
}

TEST_F(ArrivalClearanceTest, AStarNotInTheFileKeepsTheOldProcedureText) {
    prepareArrival("ABC123");
    window().cmbStar.text = "NOPE1";
    state().ProcedureText = "OLD";
    generate();
    EXPECT_EQ(window().txtStarAss.text, "OLD");
    EXPECT_NE(window().lblIfrStar.text.find(" THEN NOPE1 STANDARD"), std::string::npos);
}

TEST_F(ArrivalClearanceTest, AnAircraftWithoutAnAnalysedPlanIsRefused) {
    prepareArrival("ABC123");
    state().ArrivalPlan.reset();
    window().lblIfrStar.text.clear();
    generate();
    EXPECT_EQ(messages(), (Items{"PAY ATTENTION!!! NO ANALYSED AIRCRAFT ABC123: NO CLEARANCE IS "
                                 "GIVEN. CLICK ON ITS CALLSIGN AGAIN WHEN IT IS IN THE TRAFFIC "
                                 "FILE"}));
    EXPECT_EQ(window().lblIfrStar.text, "");
    EXPECT_TRUE(window().List2.items.empty());
    EXPECT_EQ(window().LstArrival.items, (Items{"ABC123"}));
    EXPECT_FALSE(home.exists("DATA/arrival.txt"));
}

TEST_F(ArrivalClearanceTest, AVfrArrivalGetsNoClearanceAndStaysListed) {
    prepareArrival("ABC123");
    state().ArrivalPlan->Record.FlightRules = "V";
    generate();
    EXPECT_EQ(window().lblIfrStar.text,
              "THIS IS A VFR FLIGHT OR LOCAL FLIGHT NO IFR DEPARTURE CLEARANCE. IF THIS IS A "
              "TRAINING FLIGHT PLEASE USE MANUAL INSERT");
    EXPECT_EQ(window().lblExpStar.text, "VFR");
    EXPECT_EQ(window().txtStarAss.text, "NO STAR AVAILABLE IN THIS AIRPORT");
    EXPECT_TRUE(window().List2.items.empty());
    EXPECT_EQ(window().LstArrival.items, (Items{"ABC123"}));
    EXPECT_FALSE(home.exists("DATA/arrival.txt"));
}

TEST_F(ArrivalClearanceTest, NoSelectedAircraftAsksForOne) {
    prepareArrival("ABC123");
    window().LstArrival.selected = -1;
    generate();
    EXPECT_EQ(platform.messageTexts(), (Items{"PAY ATTENTION!!! CLICK ON AIRCRAFT CALLSIGN"}));
    EXPECT_EQ(platform.messages[0].title, "AIRCRAFT CALLSIGN UNSELECTED");
    EXPECT_EQ(window().focus, "LstArrival");
    EXPECT_EQ(state().ProcedureText, "STAR XYZ1A XYZ FIX RWY 25R");
    EXPECT_EQ(window().lblIfrStar.text, "");
    EXPECT_TRUE(window().List2.items.empty());
}

struct Refusal {
    const char* name;
    std::function<void(MainWindowModel&)> spoil;
    const char* text;
    const char* title;
    const char* focus;
};

class ArrivalRefusalTest : public ArrivalClearanceTest,
                           public ::testing::WithParamInterface<Refusal> {};

TEST_P(ArrivalRefusalTest, ShowsTheMessageAndFocusesTheEmptyInput) {
    prepareArrival("ABC123");
    state().ProcedureText = "BEFORE";
    GetParam().spoil(window());
    generate();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, GetParam().text);
    EXPECT_EQ(platform.messages[0].title, GetParam().title);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(window().focus, GetParam().focus);
    EXPECT_EQ(state().ProcedureText, "BEFORE");
    EXPECT_TRUE(window().List2.items.empty());
    EXPECT_EQ(window().LstArrival.items, (Items{"ABC123"}));
    EXPECT_FALSE(home.exists("DATA/arrival.txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArrivalRefusalTest,
    ::testing::Values(Refusal{"NoRunway",
                              [](MainWindowModel& w) {
                                  w.cmbLandRwy.text.clear();
                                  w.cmbStar.text.clear();
                              },
                              "PAY ATTENTION!!! SELECT THE RUNWAY", "LANDING RUNWAY UNSELECTED",
                              "cmbLandRwy"},
                      Refusal{"NoStar", [](MainWindowModel& w) { w.cmbStar.text.clear(); },
                              "PAY ATTENTION!!! SELECT THE STAR", "STANDARD ARRIVAL UNSELECTED",
                              "cmbStar"},
                      Refusal{"NoDescent", [](MainWindowModel& w) { w.txtDescend.text.clear(); },
                              "PAY ATTENTION!!! INSERT INITIAL DESCEND",
                              "INITIAL DESCEND UNSELECTED", "txtDescend"},
                      // An arrival keeps its own code, so the range does not matter.
                      Refusal{"NoDescentWithoutRange",
                              [](MainWindowModel& w) {
                                  w.txtDescend.text.clear();
                                  w.LblSquawk.text.clear();
                              },
                              "PAY ATTENTION!!! INSERT INITIAL DESCEND",
                              "INITIAL DESCEND UNSELECTED", "txtDescend"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ArrivalClearanceTest, NeedsNoSquawkRange) {
    window().LblSquawk.text.clear();
    window().Lblr1_1.text.clear();
    window().Lblr2_1.text.clear();
    prepareArrival("ABC123");
    generate();
    EXPECT_EQ(window().lblIfrStar.text, kAbc123Clearance);
}

}  // namespace
}  // namespace corvane
