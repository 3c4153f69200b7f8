#include "traffic/DepartureAnalysis.h"

#include "TrafficFixture.h"
#include "app/Colours.h"
#include "station/SnapshotField.h"

namespace corvane {
namespace {

using test::PilotLine;
namespace f = snapshot;

class DepartureAnalysisTest : public test::TrafficFixture {
protected:
    void analyse(const std::string& callsign = "DLH4AB") {
        state().SelectedDepartureCallsign = callsign;
        lastScan = DepartureAnalysis::analyse(context());
    }
    ScanResult lastScan;
    const FlightPlanRecord& plan() { return state().FlightPlan; }
};

TEST_F(DepartureAnalysisTest, AircraftOnTheGroundFillsPanelAndRecord) {
    copyData("recent.dat", "radar/recent.dat");
    state().SnapshotPath = home.file("radar/recent.dat");
    window().cmdSidGen.enabled = false;
    analyse("DLH4AB");
    const MainWindowModel& w = window();
    EXPECT_EQ(w.lblNear.text, "");
    EXPECT_EQ(w.lblCurrentAlt.text, "364");
    EXPECT_EQ(w.lblCurrentSpeed.text, "0");
    EXPECT_EQ(w.Label1_11.text, "EDDF");
    EXPECT_EQ(w.Label1_13.text, "LIRF");
    EXPECT_EQ(w.LblFiledAlt.text, "360");
    EXPECT_EQ(w.LblFiledTas.text, "450");
    EXPECT_EQ(w.LblDistanceFP.text, "600");
    EXPECT_EQ(w.lblRemainNm.text, "600");
    EXPECT_EQ(w.LblEndDepHr.text, "01");
    EXPECT_EQ(w.lblEndDepMn.text, "53");
    EXPECT_EQ(w.lblPosDep.text, "ON THE GROUND");
    EXPECT_EQ(w.LblExpSid.text, "ANEKI1L");
    EXPECT_EQ(w.lblCtrDep.text, "EDGG");
    EXPECT_EQ(w.lblCallSign.text, "LIRF");  // the arrival panel's distance is rewritten too
    EXPECT_EQ(w.lblDistanceArr.text, "600");
    EXPECT_EQ(w.lblParam.text, "N O R M A L");
    EXPECT_EQ(w.lblParam.fontSize, 22);
    EXPECT_EQ(w.lblParam.backColour, colour::kYellow);
    EXPECT_FALSE(w.Timer1.enabled);
    EXPECT_TRUE(w.cmdSidGen.enabled);
    EXPECT_EQ(state().DistanceToGo, 600);
    EXPECT_EQ(state().PlanningSpeed, 316);

    EXPECT_EQ(plan().PilotInCommand, "Max Mustermann");
    EXPECT_EQ(plan().WakeCategory, "M");
    EXPECT_EQ(plan().AircraftType, "A320");
    EXPECT_EQ(plan().Equipment, "SDFGRWY/S");
    EXPECT_EQ(plan().DepAerodrome(w), "EDDF");
    EXPECT_EQ(plan().Destination, "LIRF");
    EXPECT_EQ(plan().Alternate, "LIRN");
    EXPECT_EQ(plan().Alternate2, "LIMC");
    EXPECT_EQ(plan().Level(w), "360");
    EXPECT_EQ(plan().CruiseSpeed(w), "450");
    EXPECT_EQ(plan().FlightRules, "I");
    EXPECT_EQ(plan().DepTime, "09:30");
    EXPECT_EQ(plan().TotalEet, "01:50");
    EXPECT_EQ(plan().Endurance, "03:30");
    EXPECT_EQ(plan().Route, "ANEKI1L ANEKI Y163 NATOR UN850 TOP UL433 BOL");
    EXPECT_EQ(plan().OtherInfo, "PBN/A1B1 RMK/TCAS");
    EXPECT_EQ(plan().PersonsOnBoard, "150");
    EXPECT_EQ(plan().FlightType, "S");
    EXPECT_TRUE(platform.messages.empty());

    ASSERT_TRUE(state().DeparturePlan.has_value());
    EXPECT_EQ(state().DeparturePlan->Callsign, "DLH4AB");
    EXPECT_EQ(state().DeparturePlan->DepAerodrome, "EDDF");
    EXPECT_EQ(state().DeparturePlan->Level, "360");
    EXPECT_EQ(state().DeparturePlan->CruiseSpeed, "450");
    EXPECT_EQ(state().DeparturePlan->Record.Route, plan().Route);
    EXPECT_FALSE(state().ArrivalPlan.has_value());
}

struct DepartureCase {
    const char* name;
    PilotLine line;
    const char* phase;
    const char* message;
    int fontSize;
};

class DepartureExamples : public DepartureAnalysisTest,
                          public ::testing::WithParamInterface<DepartureCase> {};

TEST_P(DepartureExamples, ShowPhaseAndMessage) {
    const DepartureCase& c = GetParam();
    snapshot({c.line.text()});
    analyse();
    const bool normal = std::string(c.message) == "N O R M A L";
    EXPECT_EQ(window().lblPosDep.text, c.phase);
    EXPECT_EQ(window().lblParam.text, c.message);
    EXPECT_EQ(window().lblParam.fontSize, c.fontSize);
    EXPECT_EQ(window().lblParam.backColour, normal ? colour::kYellow : colour::kRed);
    EXPECT_EQ(window().Timer1.enabled, !normal);
}

PilotLine cruising(const char* altitude, const char* speed, double lat) {
    PilotLine line("DLH4AB");
    line.set(f::CruiseLevel, "F350").flying(altitude, speed).at(lat, 8.0);
    return line;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DepartureExamples,
    ::testing::Values(
        // F350 at 33500 ft, 400 NM to go.
        DepartureCase{"BelowFiledLevel", cruising("33500", "450", 46.67), "EN ROUTE",
                      "CURRENT ALT DIFFERENT FL FILED - CORRECTION REACHING FL FILED", 12},
        // F350 at 35100 ft, 460 kt against a filed 450 kt, 400 NM to go.
        DepartureCase{"CruisingNormally", cruising("35100", "460", 46.67), "EN ROUTE",
                      "N O R M A L", 22},
        // The same 90 NM from the destination.
        DepartureCase{"TooHighNinetyMilesOut", cruising("35100", "460", 41.5), "EN ROUTE",
                      "HIGH ALTITUDE - CORRECTION START DESCEND", 14},
        DepartureCase{"Overspeed", cruising("35000", "501", 46.67), "EN ROUTE",
                      "OVERSPEED - CORRECTION DECREASE SPEED", 13},
        DepartureCase{"OnTheGround", PilotLine("DLH4AB"), "ON THE GROUND", "N O R M A L", 22},
        DepartureCase{"Taxiing", PilotLine("DLH4AB").flying("364", "20"), "TAXING", "N O R M A L",
                      22},
        // F350, 1500 ft, 1 NM, 140 kt.
        DepartureCase{"FinalApproach", cruising("1500", "140", 40.02), "FINAL APPROACHING",
                      "N O R M A L", 22},
        DepartureCase{
            "ApproachTooHigh",
            PilotLine("DLH4AB").set(f::CruiseLevel, "F240").flying("12000", "200").at(40.15, 8.0),
            "APPROACHING", "HIGH ALTITUDE - CORRECTION DECREASE ALTITUDE", 12},
        DepartureCase{
            "ApproachAt230KnotsIsFineHere",
            PilotLine("DLH4AB").set(f::CruiseLevel, "F240").flying("9000", "230").at(40.14, 8.0),
            "APPROACHING", "N O R M A L", 22},
        // Labels that hold no number read 0: a level of "VFR" puts every altitude en route,
        // and a ground speed of 0 then says the aircraft stands on the ground.
        DepartureCase{"NonNumericFields",
                      PilotLine("DLH4AB").set(f::CruiseLevel, "VFR").flying("abc", "fast"),
                      "ON THE GROUND", "N O R M A L", 22}),
    test::caseName<DepartureCase>);

TEST_F(DepartureAnalysisTest, TaxiingFasterLaterKeepsThePhaseAndWarns) {
    snapshot({PilotLine("DLH4AB").flying("364", "20").text()});
    analyse();
    ASSERT_EQ(window().lblPosDep.text, "TAXING");
    snapshot({PilotLine("DLH4AB").flying("364", "60").text()});
    analyse();
    EXPECT_EQ(window().lblPosDep.text, "TAXING");
    EXPECT_EQ(window().lblParam.text,
              "HIGH CURRENT SPEED ON THE GROUND - CORRECTION DECREASE SPEED");
    EXPECT_EQ(window().lblParam.fontSize, 12);
    EXPECT_TRUE(window().Timer1.enabled);
}

TEST_F(DepartureAnalysisTest, NoFlightPlanChangesOnlyThePhaseAndWake) {
    snapshot({PilotLine("DLH4AB")
                  .set(f::AcType, "NONE")
                  .set(f::Equipment, "1/B744/H-SDFG/S")
                  .flying("5000", "250")
                  .text()});
    window().cmdSidGen.enabled = false;
    window().lblCurrentAlt.text = "1000";
    window().lblParam.text = "";
    window().Label1_11.text = "LOWW";
    analyse();
    EXPECT_EQ(window().lblPosDep.text, "NO FLIGHT PLAN");
    EXPECT_EQ(state().FlightPlan.WakeCategory, "H");
    EXPECT_TRUE(window().cmdSidGen.enabled);
    EXPECT_EQ(window().lblCurrentAlt.text, "1000");
    EXPECT_EQ(window().Label1_11.text, "LOWW");
    EXPECT_EQ(window().lblParam.text, "");
    EXPECT_FALSE(window().Timer1.enabled);
    EXPECT_EQ(state().FlightPlan.AircraftType, "");
    EXPECT_FALSE(state().DeparturePlan.has_value()) << "no plan read, none for a clearance";
}

TEST_F(DepartureAnalysisTest, VfrFlightWithAFirstWordStillGetsAnExpectedSid) {
    snapshot({PilotLine("DLH4AB").set(f::FlightRules, "V").set(f::Route, "TOBAK DCT").text()});
    analyse();
    EXPECT_EQ(window().LblExpSid.text, "TOBAK");
    EXPECT_EQ(window().LblIfrSid.text, DepartureAnalysis::kVfrClearance);
    EXPECT_EQ(window().LblIfrSid.text,
              "THIS IS A VFR FLIGHT OR LOCAL FLIGHT NO IFR DEPARTURE CLEARANCE. IF THIS IS A "
              "TRAINING FLIGHT PLEASE USE MANUAL INSERT");
    EXPECT_EQ(window().txtSidAss.text, "NO SID AVAILABLE FLIGHT VFR");
    EXPECT_FALSE(window().cmdSidGen.enabled);
    EXPECT_EQ(state().FlightPlan.FlightRules, "V");
    EXPECT_EQ(state().FlightPlan.Route, "TOBAK DCT");
}

TEST_F(DepartureAnalysisTest, VfrFlightWithARouteOfThreeCharacters) {
    state().FlightPlan.Route = "EARLIER";
    snapshot({PilotLine("DLH4AB").set(f::FlightRules, "V").set(f::Route, "DCT").text()});
    analyse();
    EXPECT_EQ(window().LblExpSid.text, "VFR");
    EXPECT_EQ(state().FlightPlan.Route, "EARLIER");
}

TEST_F(DepartureAnalysisTest, LocalFlightKeepsDistancesAndClearsTheEndurance) {
    snapshot({PilotLine("DLH4AB")
                  .set(f::DestAirport, "EDDF")
                  .set(f::DestLat, "50.0")
                  .set(f::CruiseLevel, "F100")
                  .flying("5000", "60")
                  .at(49.0, 8.0)
                  .text()});
    window().LblDistanceFP.text = "77";
    window().lblRemainNm.text = "55";
    window().LblEndDepHr.text = "02";
    window().lblEndDepMn.text = "10";
    state().DistanceToGo = 5;
    analyse();
    EXPECT_EQ(window().lblPosDep.text, "LOCAL FLIGHT");
    EXPECT_EQ(window().LblEndDepHr.text, "");
    EXPECT_EQ(window().lblEndDepMn.text, "");
    EXPECT_EQ(window().LblDistanceFP.text, "77");
    EXPECT_EQ(window().lblRemainNm.text, "55");
    EXPECT_EQ(state().DistanceToGo, 5);
    EXPECT_EQ(window().lblParam.text, "N O R M A L");
}

TEST_F(DepartureAnalysisTest, EmptyAltitudeIsAProblem) {
    snapshot({PilotLine("DLH4AB").set(f::PositionNear, "DF155").flying("", "0").text()});
    window().lblPosDep.text = "EARLIER";
    analyse();
    EXPECT_EQ(window().lblNear.text, "");
    EXPECT_EQ(window().lblParam.text, "P R O B L E M -  don't use aircraft");
    EXPECT_EQ(window().lblParam.fontSize, 14);
    EXPECT_EQ(window().lblParam.backColour, colour::kRed);
    EXPECT_TRUE(window().Timer1.enabled);
    EXPECT_EQ(window().lblPosDep.text, "EARLIER");
}

TEST_F(DepartureAnalysisTest, RemainingDistanceIsCappedAtTheTotal) {
    snapshot({PilotLine("DLH4AB").at(51.0, 8.0).text()});
    analyse();
    EXPECT_EQ(window().LblDistanceFP.text, "600");
    EXPECT_EQ(window().lblRemainNm.text, "600");
    EXPECT_EQ(window().lblDistanceArr.text, "660");
    EXPECT_EQ(state().DistanceToGo, 660);
}

TEST_F(DepartureAnalysisTest, LaterLineOfTheSameCallsignStands) {
    snapshot({PilotLine("DLH4AB").flying("1000", "150").text(),
              PilotLine("DLH4ABC").flying("7000", "250").text(), "DLH4AB",
              PilotLine("DLH4AB").flying("3000", "180").text()});
    analyse();
    EXPECT_EQ(window().lblCurrentAlt.text, "3000");
    EXPECT_EQ(window().lblCurrentSpeed.text, "180");
}

struct WakeCase {
    const char* equipment;
    const char* remarks;
    const char* wake;
};

class WakeCategories : public DepartureAnalysisTest,
                       public ::testing::WithParamInterface<WakeCase> {};

// The category of the aircraft analysed before (here "H") never stays.
TEST_P(WakeCategories, HeavierMarkerWins) {
    state().FlightPlan.WakeCategory = "H";
    snapshot({PilotLine("DLH4AB")
                  .set(f::Equipment, GetParam().equipment)
                  .set(f::Remarks, GetParam().remarks)
                  .text()});
    analyse();
    EXPECT_EQ(state().FlightPlan.WakeCategory, GetParam().wake);
}

INSTANTIATE_TEST_SUITE_P(Markers, WakeCategories,
                         ::testing::Values(WakeCase{"1/A320/M-SDFG/S", "", "M"},
                                           WakeCase{"1/A320/M-SDFG/S", "OPR/S-AIR", "S"},
                                           WakeCase{"1/B744/H-SDFG/S", "", "H"},
                                           WakeCase{"1/B744/H-SDFG/S", "RMK/M-", "H"},
                                           WakeCase{"1/C172/L-SDFG/S", "", "L"},
                                           WakeCase{"1/C172/L-SDFG/S", "RMK/M-", "M"},
                                           WakeCase{"1/C172/L/S", "", ""}));

struct MissingCase {
    const char* name;
    std::string line;
};

class MissingAircraft : public DepartureAnalysisTest,
                        public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingAircraft, EmptiesThePanelAndLeavesNoPlan) {
    snapshot({PilotLine("DLH5").text()});
    analyse("DLH5");
    ASSERT_TRUE(state().DeparturePlan.has_value());
    snapshot({GetParam().line});
    analyse("DLH4AB");
    EXPECT_TRUE(lastScan.missing());
    for (const Label* label :
         {&window().lblCurrentAlt, &window().lblCurrentSpeed, &window().Label1_11,
          &window().Label1_13, &window().LblFiledAlt, &window().LblFiledTas,
          &window().LblDistanceFP, &window().lblRemainNm, &window().lblPosDep, &window().LblExpSid,
          &window().lblCtrDep, &window().LblEndDepHr}) {
        EXPECT_EQ(label->text, "") << label->name;
    }
    EXPECT_EQ(window().lblParam.text, "P R O B L E M -  don't use aircraft");
    EXPECT_FALSE(state().DeparturePlan.has_value());
    EXPECT_TRUE(platform.messages.empty()) << "the click says so, not the analysis";
}

INSTANTIATE_TEST_SUITE_P(
    Table, MissingAircraft,
    ::testing::Values(MissingCase{"NotInTheSnapshot", PilotLine("AZA123").text()},
                      MissingCase{"LineCutByARewrite", PilotLine("DLH4AB").cut(46).text()}),
    test::caseName<MissingCase>);

TEST_F(DepartureAnalysisTest, AircraftNotFoundWithoutAltitudeIsAProblem) {
    snapshot({PilotLine("AZA123").text()});
    analyse("DLH4AB");
    EXPECT_EQ(window().lblParam.text, "P R O B L E M -  don't use aircraft");
    EXPECT_FALSE(state().DeparturePlan.has_value());
}

TEST_F(DepartureAnalysisTest, UnreadableSnapshotIsReportedAndChangesNothing) {
    state().SnapshotPath = home.file("radar/recent.dat");
    window().lblCurrentAlt.text = "364";
    window().lblParam.text = "BEFORE";
    window().Timer1.enabled = true;
    analyse();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "PAY ATTENTION!!! THE TRAFFIC FILE " +
                                             home.file("radar/recent.dat") +
                                             " CANNOT BE READ (PATH NOT FOUND). THE AIRCRAFT "
                                             "DATA HAS NOT BEEN UPDATED");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(window().lblParam.text, "BEFORE");
    EXPECT_TRUE(window().Timer1.enabled);
    EXPECT_EQ(window().lblPosDep.text, "");
    EXPECT_FALSE(state().DeparturePlan.has_value());
}

struct TimeFieldCase {
    const char* depTime;
    const char* eet;
    const char* endurance;
    const char* shownDep;
    const char* shownEet;
    const char* shownEndurance;
};

class TimeFields : public DepartureAnalysisTest,
                   public ::testing::WithParamInterface<TimeFieldCase> {};

TEST_P(TimeFields, AreWrittenAsHoursAndMinutes) {
    const TimeFieldCase& c = GetParam();
    state().FlightPlan.DepTime = "11:11";
    state().FlightPlan.TotalEet = "22:22";
    state().FlightPlan.Endurance = "33:33";
    snapshot({PilotLine("DLH4AB")
                  .set(f::DepTime, c.depTime)
                  .set(f::Eet, c.eet)
                  .set(f::Endurance, c.endurance)
                  .text()});
    analyse();
    EXPECT_EQ(state().FlightPlan.DepTime, c.shownDep);
    EXPECT_EQ(state().FlightPlan.TotalEet, c.shownEet);
    EXPECT_EQ(state().FlightPlan.Endurance, c.shownEndurance);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, TimeFields,
    ::testing::Values(TimeFieldCase{"45", "930", "2330", "00:45", "09:30", "23:30"},
                      TimeFieldCase{"5", "", "12345", "11:11", "22:22", "33:33"}));

struct SpeedFieldCase {
    const char* speed;
    const char* tas;
    const char* hours;
    const char* minutes;
};

class CruiseSpeeds : public DepartureAnalysisTest,
                     public ::testing::WithParamInterface<SpeedFieldCase> {};

TEST_P(CruiseSpeeds, GiveTheFlyingTime) {
    snapshot({PilotLine("DLH4AB").set(f::CruiseSpeed, GetParam().speed).text()});
    analyse();
    EXPECT_EQ(window().LblFiledTas.text, GetParam().tas);
    EXPECT_EQ(window().LblEndDepHr.text, GetParam().hours);
    EXPECT_EQ(window().lblEndDepMn.text, GetParam().minutes);
}

INSTANTIATE_TEST_SUITE_P(Forms, CruiseSpeeds,
                         ::testing::Values(SpeedFieldCase{"N0450", "450", "01", "53"},
                                           SpeedFieldCase{"M078", "468", "01", "51"},
                                           SpeedFieldCase{"N0120", "120", "05", "00"},
                                           SpeedFieldCase{"N0000", "0", "", ""}));

TEST_F(DepartureAnalysisTest, ZeroSpeedDoesNotComputeTheDistanceToGo) {
    snapshot({PilotLine("DLH4AB").set(f::CruiseSpeed, "N0000").at(45.0, 8.0).text()});
    state().DistanceToGo = 42;
    window().lblRemainNm.text = "42";
    analyse();
    EXPECT_EQ(window().LblDistanceFP.text, "600");
    EXPECT_EQ(window().lblRemainNm.text, "42");
    EXPECT_EQ(state().DistanceToGo, 42);
}

TEST_F(DepartureAnalysisTest, ShortEquipmentGivesNoEquipment) {
    state().FlightPlan.Equipment = "EARLIER";
    snapshot({PilotLine("DLH4AB").set(f::Equipment, "1/A320").text()});
    analyse();
    EXPECT_EQ(state().FlightPlan.Equipment, "");
}

TEST_F(DepartureAnalysisTest, CommaDecimalCoordinatesReadTheirWholePart) {
    snapshot({PilotLine("DLH4AB").set(f::DepLat, "50,9").set(f::DestLat, "40,5").text()});
    analyse();
    EXPECT_EQ(window().LblDistanceFP.text, "600");
}

TEST_F(DepartureAnalysisTest, PositionNearIsShownUnlessZZZZ) {
    snapshot({PilotLine("DLH4AB").set(f::PositionNear, "DF155").text()});
    analyse();
    EXPECT_EQ(window().lblNear.text, "DF155");
}

}  // namespace
}  // namespace corvane
