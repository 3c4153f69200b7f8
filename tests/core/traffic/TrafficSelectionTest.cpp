#include "traffic/TrafficSelection.h"

#include "TrafficFixture.h"
#include "app/Colours.h"
#include "app/ConnectionReset.h"
#include "station/SnapshotField.h"

namespace corvane {
namespace {

using test::PilotLine;
namespace f = snapshot;

/// The departure DLH4AB (EDDF to LIRF at F360) and the arrival AZA123 (LIRF to EDDF at F240).
class TrafficSelectionTest : public test::TrafficFixture {
protected:
    TrafficSelectionTest() {
        airlineTable();
        copyData("radar/recent.dat");
        state().SnapshotPath = home.file("radar/recent.dat");
        window().LstDeparture.add("DLH4AB");
        window().LstDeparture.add("CFG9NF");
        window().LstDeparture.add("XXX999");
        window().LstArrival.add("AZA123");
        platform.clock = {14, 45};
    }
    ActionResult departure(int index) { return app->select("LstDeparture", index); }
    ActionResult arrival(int index) { return app->select("LstArrival", index); }
};

TEST_F(TrafficSelectionTest, DepartureClickSelectsLooksUpAndAnalyses) {
    MainWindowModel& w = window();
    w.Timer1.enabled = true;
    w.lblParam.visible = false;
    w.lblParam.backColour = colour::kRed;
    w.LblIfrSid.text = "OLD CLEARANCE";
    w.txtSidAss.text = "ANEKI1L";
    w.cmdRemoveDep.enabled = true;
    w.cmdFPDep.enabled = false;
    ASSERT_EQ(departure(0), ActionResult::Done);
    EXPECT_EQ(state().SelectedDepartureCallsign, "DLH4AB");
    EXPECT_EQ(w.lblCompanyDep.text, "Lufthansa");
    EXPECT_EQ(w.LblIfrSid.text, "");
    EXPECT_EQ(w.txtSidAss.text, "");
    EXPECT_FALSE(w.cmdRemoveDep.enabled);
    EXPECT_TRUE(w.cmdFPDep.enabled);
    EXPECT_TRUE(w.lblParam.visible);
    EXPECT_EQ(w.lblParam.text, "N O R M A L");
    EXPECT_FALSE(w.Timer1.enabled);
    EXPECT_EQ(w.lblPosDep.text, "ON THE GROUND");
}

TEST_F(TrafficSelectionTest, ClickClearsTheMessageBeforeTheAnalysis) {
    MainWindowModel& w = window();
    w.lblParam.text = "OVERSPEED - CORRECTION DECREASE SPEED";
    w.lblParam.fontSize = 13;
    w.lblParam.backColour = colour::kRed;
    w.Timer1.enabled = true;
    departure(1);  // CFG9NF has filed no flight plan: the analysis writes no message
    EXPECT_EQ(w.lblPosDep.text, "NO FLIGHT PLAN");
    EXPECT_EQ(w.lblParam.text, "");
    EXPECT_EQ(w.lblParam.fontSize, 16);
    EXPECT_EQ(w.lblParam.backColour, colour::kYellow);
    EXPECT_FALSE(w.Timer1.enabled);
    EXPECT_EQ(w.lblCompanyDep.text, "UNKNOWN");
}

TEST_F(TrafficSelectionTest, ArrivalClickSelectsLooksUpAndAnalyses) {
    MainWindowModel& w = window();
    w.Timer2.enabled = true;
    w.lblParArr.visible = false;
    w.lblIfrStar.text = "OLD";
    w.txtStarAss.text = "ROLIS1A";
    w.cmdRemoveArr.enabled = true;
    w.cmdFPArr.enabled = false;
    ASSERT_EQ(arrival(0), ActionResult::Done);
    EXPECT_EQ(state().SelectedArrivalCallsign, "AZA123");
    EXPECT_EQ(w.lblCompanyArr.text, "Alitalia");
    EXPECT_EQ(w.lblIfrStar.text, "");
    EXPECT_EQ(w.txtStarAss.text, "");
    EXPECT_FALSE(w.cmdRemoveArr.enabled);
    EXPECT_TRUE(w.cmdFPArr.enabled);
    EXPECT_TRUE(w.lblParArr.visible);
    EXPECT_EQ(w.lblEAThR.text, "15");
    EXPECT_EQ(w.lblEATmn.text, "15");
    EXPECT_EQ(w.lblParArr.text, "OUTSIDE RADAR COVERTURE");
    EXPECT_TRUE(w.Timer2.enabled);
}

TEST_F(TrafficSelectionTest, EachSideKeepsThePlanOfItsOwnAircraft) {
    departure(0);
    arrival(0);
    const MainWindowModel& w = window();
    // The shared record and its links now show the arrival ...
    EXPECT_EQ(state().FlightPlan.DepAerodrome(w), "LIRF");
    EXPECT_EQ(state().FlightPlan.Level(w), "240");
    // ... while each side's plan is that side's aircraft.
    ASSERT_TRUE(state().DeparturePlan.has_value());
    ASSERT_TRUE(state().ArrivalPlan.has_value());
    const AnalysedPlan& dep = *state().DeparturePlan;
    const AnalysedPlan& arr = *state().ArrivalPlan;
    EXPECT_EQ(dep.Callsign, "DLH4AB");
    EXPECT_EQ(dep.DepAerodrome, "EDDF");
    EXPECT_EQ(dep.Level, "360");
    EXPECT_EQ(dep.CruiseSpeed, "450");
    EXPECT_EQ(dep.Record.Destination, "LIRF");
    EXPECT_EQ(dep.Record.PilotInCommand, "Max Mustermann");
    EXPECT_EQ(arr.Callsign, "AZA123");
    EXPECT_EQ(arr.DepAerodrome, "LIRF");
    EXPECT_EQ(arr.Level, "240");
    EXPECT_EQ(arr.Record.Destination, "EDDF");
    EXPECT_EQ(arr.Record.PilotInCommand, "Mario Rossi");
}

TEST_F(TrafficSelectionTest, LinkedFieldsFollowTheirLabelsButPlansKeepTheirValues) {
    departure(0);
    ConnectionReset::clearDeparturePanel(context());
    const MainWindowModel& w = window();
    EXPECT_EQ(state().FlightPlan.DepAerodrome(w), "");
    EXPECT_EQ(state().FlightPlan.Level(w), "");
    EXPECT_EQ(state().FlightPlan.CruiseSpeed(w), "");
    EXPECT_EQ(state().FlightPlan.Destination, "LIRF");  // a copy, not a link
    ASSERT_TRUE(state().DeparturePlan.has_value());
    EXPECT_EQ(state().DeparturePlan->DepAerodrome, "EDDF");
    EXPECT_EQ(state().DeparturePlan->Level, "360");
    EXPECT_EQ(state().DeparturePlan->CruiseSpeed, "450");
}

TEST_F(TrafficSelectionTest, AnAircraftNotFoundIsReportedAndLeavesNoPlanOfAnother) {
    departure(0);
    departure(2);  // XXX999 is not in the snapshot
    EXPECT_EQ(state().SelectedDepartureCallsign, "XXX999");
    EXPECT_EQ(window().lblCompanyDep.text, "UNKNOWN");
    EXPECT_FALSE(state().DeparturePlan.has_value());
    EXPECT_EQ(platform.messageTexts().back(),
              "PAY ATTENTION!!! AIRCRAFT XXX999 NOT FOUND IN THE TRAFFIC FILE. ITS DATA HAS BEEN "
              "CLEARED");
}

TEST_F(TrafficSelectionTest, AMissingAirlineTableIsReportedOnceForManyClicks) {
    std::filesystem::remove(home.file("DATA/airlines.dat"));
    departure(0);
    arrival(0);
    departure(1);
    EXPECT_EQ(window().lblCompanyDep.text, "UNKNOWN");
    EXPECT_EQ(window().lblCompanyArr.text, "UNKNOWN");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("THE AIRLINE TABLE"), std::string::npos);
    EXPECT_EQ(window().lblPosDep.text, "NO FLIGHT PLAN");  // the analyses still ran
}

TEST_F(TrafficSelectionTest, BlinkingMessageTogglesWithTheTimer) {
    snapshot({PilotLine("DLH4AB").flying("", "0").text()});
    departure(0);
    ASSERT_TRUE(window().Timer1.enabled);
    EXPECT_EQ(app->tick("Timer1"), ActionResult::Done);
    EXPECT_FALSE(window().lblParam.visible);
    departure(0);  // a new selection shows the message again
    EXPECT_TRUE(window().lblParam.visible);
}

}  // namespace
}  // namespace corvane
