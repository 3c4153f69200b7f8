#include "traffic/ArrivalAnalysis.h"

#include "TrafficFixture.h"
#include "app/Colours.h"
#include "station/SnapshotField.h"

namespace corvane {
namespace {

using test::PilotLine;
namespace f = snapshot;

/// An arrival bound for EDDF (50 N 8 E) from LIRF (40 N 8 E), `lat` degrees north on the way.
PilotLine inbound(double lat) {
    PilotLine line("AZA123");
    line.set(f::DepAirport, "LIRF")
        .set(f::DepLat, "40.0")
        .set(f::DestAirport, "EDDF")
        .set(f::DestLat, "50.0")
        .set(f::CruiseLevel, "F240")
        .set(f::Route, "TIBER1A TIBER UL995 TOP ROLIS1A")
        .set(f::Squawk, "4721")
        .set(f::CtrArr, "EDGG")
        .flying("18000", "380")
        .at(lat, 8.0);
    return line;
}

class ArrivalAnalysisTest : public test::TrafficFixture {
protected:
    void analyse(const std::string& callsign = "AZA123") {
        state().SelectedArrivalCallsign = callsign;
        ArrivalAnalysis::analyse(context());
    }
};

TEST_F(ArrivalAnalysisTest, InboundAircraftFillsTheArrivalPanel) {
    copyData("recent.dat", "radar/recent.dat");
    state().SnapshotPath = home.file("radar/recent.dat");
    platform.clock = {14, 45};
    window().cmdStarGen.enabled = false;
    analyse();
    const MainWindowModel& w = window();
    EXPECT_EQ(w.lblNearArr.text, "DF455");
    EXPECT_EQ(w.LblAltArr.text, "18000");
    EXPECT_EQ(w.lblSpeedArr.text, "380");
    EXPECT_EQ(w.lblCallSign.text, "EDDF");
    EXPECT_EQ(w.lblDistanceArr.text, "158");
    EXPECT_EQ(state().DistanceToGo, 158);
    EXPECT_EQ(w.lblEndArrHr.text, "00");
    EXPECT_EQ(w.lblEndArrMn.text, "30");
    EXPECT_EQ(w.lblEAThR.text, "15");
    EXPECT_EQ(w.lblEATmn.text, "15");
    EXPECT_EQ(w.lblExpStar.text, "ROLIS1A");
    EXPECT_EQ(w.lblSqAss.text, "4721");
    EXPECT_EQ(w.lblCtrArr.text, "EDGG");
    EXPECT_EQ(w.Label1_11.text, "LIRF");
    EXPECT_EQ(w.Label1_13.text, "EDDF");
    EXPECT_EQ(w.LblFiledAlt.text, "240");
    EXPECT_EQ(w.LblFiledTas.text, "450");
    EXPECT_EQ(w.LblDistanceFP.text, "");  // the arrival side never shows the total distance
    EXPECT_TRUE(w.cmdStarGen.enabled);
    // 18000 ft is below 22000 ft with 158 NM to go, more than 240 / 3: climbing, by the rules.
    EXPECT_EQ(w.lblPosArr.text, "CLIMBING");
    EXPECT_EQ(w.lblParArr.text, "OUTSIDE RADAR COVERTURE");
    EXPECT_EQ(w.lblParArr.fontSize, 13);
    EXPECT_EQ(w.lblParArr.backColour, colour::kRed);
    EXPECT_TRUE(w.Timer2.enabled);
    EXPECT_FALSE(w.Timer1.enabled);

    const FlightPlanRecord& plan = state().FlightPlan;
    EXPECT_EQ(plan.PilotInCommand, "Mario Rossi");
    EXPECT_EQ(plan.WakeCategory, "M");
    EXPECT_EQ(plan.Equipment, "SDE2E3FGHIJ1RWY/LB1");
    EXPECT_EQ(plan.DepAerodrome(w), "LIRF");
    EXPECT_EQ(plan.Destination, "EDDF");
    EXPECT_EQ(plan.Alternate, "EDDK");
    EXPECT_EQ(plan.Alternate2, "");
    EXPECT_EQ(plan.DepTime, "14:05");
    EXPECT_EQ(plan.TotalEet, "01:55");
    EXPECT_EQ(plan.Endurance, "04:30");
    EXPECT_EQ(plan.Route, "TIBER1A TIBER UL995 TOP ROLIS1A");
    EXPECT_EQ(plan.PersonsOnBoard, "160");
    ASSERT_TRUE(state().ArrivalPlan.has_value());
    EXPECT_EQ(state().ArrivalPlan->Callsign, "AZA123");
    EXPECT_EQ(state().ArrivalPlan->Level, "240");
    EXPECT_FALSE(state().DeparturePlan.has_value());
    EXPECT_TRUE(platform.messages.empty());
}

struct EtaCase {
    const char* name;
    ClockTime clock;
    double lat;  // 47.368 is 158 NM out (00:30 at 316 kt), 40 is 600 NM (01:53)
    const char* hours;
    const char* minutes;
    const char* etaHour;
    const char* etaMinute;
};

class ArrivalTimes : public ArrivalAnalysisTest, public ::testing::WithParamInterface<EtaCase> {};

TEST_P(ArrivalTimes, AddTheFlyingTimeToTheLocalClock) {
    const EtaCase& c = GetParam();
    platform.clock = c.clock;
    snapshot({inbound(c.lat).text()});
    analyse();
    EXPECT_EQ(window().lblEndArrHr.text, c.hours);
    EXPECT_EQ(window().lblEndArrMn.text, c.minutes);
    EXPECT_EQ(window().lblEAThR.text, c.etaHour);
    EXPECT_EQ(window().lblEATmn.text, c.etaMinute);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, ArrivalTimes,
    ::testing::Values(EtaCase{"Plain", {14, 45}, 47.368, "00", "30", "15", "15"},
                      EtaCase{"MinuteCarry", {14, 30}, 47.368, "00", "30", "15", "0"},
                      EtaCase{"NoCarry", {14, 29}, 47.368, "00", "30", "14", "59"},
                      EtaCase{"MidnightWrap", {23, 45}, 47.368, "00", "30", "0", "15"},
                      EtaCase{"ExactlyMidnight", {23, 30}, 47.368, "00", "30", "0", "0"},
                      EtaCase{"FromMidnight", {0, 0}, 47.368, "00", "30", "0", "30"},
                      EtaCase{"HoursAndCarry", {12, 10}, 40.0, "01", "53", "14", "3"},
                      EtaCase{"HoursPastMidnight", {22, 10}, 40.0, "01", "53", "0", "3"}),
    test::caseName<EtaCase>);

struct SquawkCase {
    const char* squawk;
    const char* shown;
};

class Squawks : public ArrivalAnalysisTest, public ::testing::WithParamInterface<SquawkCase> {};

TEST_P(Squawks, AllZeroIsNone) {
    snapshot({inbound(47.368).set(f::Squawk, GetParam().squawk).text()});
    analyse();
    EXPECT_EQ(window().lblSqAss.text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Codes, Squawks,
                         ::testing::Values(SquawkCase{"0000", ""}, SquawkCase{"4721", "4721"},
                                           SquawkCase{"00001", ""}, SquawkCase{"000", "000"},
                                           SquawkCase{"", ""}));

struct ArrivalCase {
    const char* name;
    PilotLine line;
    const char* phase;
    const char* message;
    int fontSize;
};

class ArrivalExamples : public ArrivalAnalysisTest,
                        public ::testing::WithParamInterface<ArrivalCase> {};

TEST_P(ArrivalExamples, ShowPhaseAndMessage) {
    const ArrivalCase& c = GetParam();
    snapshot({c.line.text()});
    analyse();
    const bool normal = std::string(c.message) == "N O R M A L";
    EXPECT_EQ(window().lblPosArr.text, c.phase);
    EXPECT_EQ(window().lblParArr.text, c.message);
    EXPECT_EQ(window().lblParArr.fontSize, c.fontSize);
    EXPECT_EQ(window().lblParArr.backColour, normal ? colour::kYellow : colour::kRed);
    EXPECT_EQ(window().Timer2.enabled, !normal);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ArrivalExamples,
    ::testing::Values(
        // F350 at 36000 ft.
        ArrivalCase{"EnRoute", inbound(45.0).set(f::CruiseLevel, "F350").flying("36000", "450"),
                    "EN ROUTE", "OUTSIDE RADAR COVERTURE", 13},
        // F240, 9000 ft, 8 NM, 230 kt.
        ArrivalCase{"ApproachTooFast", inbound(49.86).flying("9000", "230"), "APPROACHING",
                    "HIGH SPEED IN APPROAH - CORRECTION DECREASE SPEED", 11},
        // The same aircraft at 200 kt and 12000 ft, 9 NM.
        ArrivalCase{"ApproachTooHigh", inbound(49.85).flying("12000", "200"), "APPROACHING",
                    "HIGH ALTITUDE - CORRECTION DECREASE ALTITUDE", 13},
        // F100 at 9000 ft, 9 NM out: above 8000 ft yet approaching, and 13.3 > 9.
        ArrivalCase{"ApproachAboveTheLevel",
                    inbound(49.85).set(f::CruiseLevel, "F100").flying("9000", "200"), "APPROACHING",
                    "HIGH ALTITUDE - CORRECTION START DESCEND", 13},
        ArrivalCase{"DescendingNormally", inbound(49.0).flying("9000", "250"), "DESCENDING",
                    "N O R M A L", 22},
        ArrivalCase{"FinalApproach", inbound(49.98).flying("1500", "140"), "FINAL APPROACHING",
                    "N O R M A L", 22},
        ArrivalCase{"Landed", inbound(50.0).flying("364", "0"), "ON THE GROUND", "N O R M A L", 22},
        // Altitude and speed both 0, or both not numbers.
        ArrivalCase{"Problem", inbound(50.0).flying("0", "0"), "",
                    "P R O B L E M -  don't use aircraft", 14},
        ArrivalCase{"ProblemWhenEmpty", inbound(50.0).flying("", ""), "",
                    "P R O B L E M -  don't use aircraft", 14},
        ArrivalCase{"TaxiingWithoutAltitude", inbound(50.0).flying("0", "15"), "TAXING",
                    "N O R M A L", 22}),
    test::caseName<ArrivalCase>);

TEST_F(ArrivalAnalysisTest, ProblemClearsThePositionNear) {
    snapshot({inbound(50.0).set(f::PositionNear, "DF155").flying("0", "0").text()});
    analyse();
    EXPECT_EQ(window().lblNearArr.text, "");
    EXPECT_TRUE(window().Timer2.enabled);
}

TEST_F(ArrivalAnalysisTest, VfrFlightGetsTheVfrTextsAndItsLastWord) {
    snapshot({inbound(47.368).set(f::FlightRules, "V").set(f::Route, "DCT ABC").text()});
    analyse();
    EXPECT_EQ(window().lblExpStar.text, "ABC");
    EXPECT_EQ(window().lblIfrStar.text,
              "THIS IS A VFR FLIGHT OR LOCAL FLIGHT NO IFR DEPARTURE CLEARANCE. IF THIS IS A "
              "TRAINING FLIGHT PLEASE USE MANUAL INSERT");
    EXPECT_EQ(window().txtStarAss.text, "NO STAR AVAILABLE VFR FLIGHT");
    EXPECT_FALSE(window().cmdStarGen.enabled);
}

TEST_F(ArrivalAnalysisTest, VfrFlightWithoutAUsableLastWordExpectsVfr) {
    snapshot({inbound(47.368).set(f::FlightRules, "V").set(f::Route, "DCT").text()});
    analyse();
    EXPECT_EQ(window().lblExpStar.text, "VFR");
}

TEST_F(ArrivalAnalysisTest, NoFlightPlanEndsTheAnalysis) {
    snapshot({inbound(47.368).set(f::AcType, "NONE").text()});
    window().cmdStarGen.enabled = false;
    analyse();
    EXPECT_EQ(window().lblPosArr.text, "NO FLIGHT PLAN");
    EXPECT_TRUE(window().cmdStarGen.enabled);
    EXPECT_EQ(window().LblAltArr.text, "");
    EXPECT_EQ(window().lblParArr.text, "");
    EXPECT_FALSE(window().Timer2.enabled);
}

TEST_F(ArrivalAnalysisTest, ALineCutByARewriteCountsAsNotFound) {
    snapshot({inbound(47.368).text()});
    analyse();
    ASSERT_TRUE(state().ArrivalPlan.has_value());
    snapshot({inbound(47.368).cut(40).text()});
    EXPECT_TRUE(ArrivalAnalysis::analyse(context()).missing());
    for (const Label* label : {&window().LblAltArr, &window().lblSpeedArr, &window().lblCallSign,
                               &window().lblDistanceArr, &window().lblPosArr, &window().lblExpStar,
                               &window().lblSqAss, &window().lblCtrArr, &window().lblEAThR}) {
        EXPECT_EQ(label->text, "") << label->name;
    }
    EXPECT_EQ(window().lblParArr.text, "P R O B L E M -  don't use aircraft");
    EXPECT_FALSE(state().ArrivalPlan.has_value());
}

TEST_F(ArrivalAnalysisTest, LocalFlightStillComputesTheDistanceToGo) {
    snapshot({inbound(49.0)
                  .set(f::DepAirport, "EDDF")
                  .set(f::DepLat, "50.0")
                  .set(f::CruiseLevel, "A040")
                  .flying("1500", "60")
                  .text()});
    window().lblEndArrHr.text = "01";
    window().lblEndArrMn.text = "02";
    window().lblEAThR.text = "13";
    analyse();
    EXPECT_EQ(window().lblDistanceArr.text, "60");
    EXPECT_EQ(state().DistanceToGo, 60);
    EXPECT_EQ(window().lblEndArrHr.text, "");
    EXPECT_EQ(window().lblEndArrMn.text, "");
    EXPECT_EQ(window().lblEAThR.text, "13");
    EXPECT_EQ(window().lblPosArr.text, "LOCAL FLIGHT");
}

TEST_F(ArrivalAnalysisTest, ZeroFiledSpeedClearsFlyingTimeAndEta) {
    snapshot({inbound(47.368).set(f::CruiseSpeed, "VFR").text()});
    window().lblEAThR.text = "13";
    window().lblEATmn.text = "14";
    analyse();
    EXPECT_EQ(window().lblEndArrHr.text, "");
    EXPECT_EQ(window().lblEndArrMn.text, "");
    EXPECT_EQ(window().lblEAThR.text, "");
    EXPECT_EQ(window().lblEATmn.text, "");
    EXPECT_EQ(window().lblDistanceArr.text, "158");
}

TEST_F(ArrivalAnalysisTest, UnreadableSnapshotIsReportedAndChangesNothing) {
    home.write("radar/.keep", "");
    state().SnapshotPath = home.file("radar/recent.dat");
    window().lblParArr.text = "BEFORE";
    analyse();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "PAY ATTENTION!!! THE TRAFFIC FILE " +
                                             home.file("radar/recent.dat") +
                                             " CANNOT BE READ (FILE NOT FOUND). THE AIRCRAFT "
                                             "DATA HAS NOT BEEN UPDATED");
    EXPECT_EQ(window().lblParArr.text, "BEFORE");
    EXPECT_EQ(window().lblPosArr.text, "");
    EXPECT_FALSE(state().ArrivalPlan.has_value());
}

}  // namespace
}  // namespace corvane
