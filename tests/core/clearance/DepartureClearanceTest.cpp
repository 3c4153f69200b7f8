#include "clearance/DepartureClearance.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ClearanceFixture.h"
#include "app/ConnectionReset.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;

constexpr const char* kAbc12Clearance =
    "SOME AIR 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABC1A STANDARD DEPARTURE CLIMB "
    "AND MANTAIN FL 120 INITIALLY SQUAWK 2301";
// The SID line, then every line of runway 25L after it, each cut to as many characters as it
// has once trimmed (the leading space costs the last character).
constexpr const char* kAbc1aOn25L =
    "SID ABC1A RNW 25L-------- RNW 25L TRK 249 FIX BBB-------- RNW 25L TRK 251 FIX DDD";

class DepartureClearanceTest : public test::ClearanceFixture {
protected:
    void generate() { ASSERT_EQ(app->click("cmdSidGen"), ActionResult::Done); }
};

TEST_F(DepartureClearanceTest, WorkedExampleGivesTheClearanceListEntryCodeAndLog) {
    prepareDeparture("ABC12");
    generate();
    const MainWindowModel& w = window();
    EXPECT_EQ(w.LblIfrSid.text, kAbc12Clearance);
    EXPECT_EQ(w.txtSidAss.text, kAbc1aOn25L);
    EXPECT_EQ(state().ProcedureText, kAbc1aOn25L);
    EXPECT_EQ(state().CallsignNumberLength, 2);
    EXPECT_EQ(w.List1.items, (Items{"ABC12   - 2301"}));
    EXPECT_TRUE(w.LstDeparture.items.empty());
    EXPECT_EQ(w.LblSquawk.text, "2302");
    EXPECT_EQ(state().IssuedCodes, (std::set<std::string>{"2301"}));
    EXPECT_EQ(state().SelectedDepartureCallsign, "ABC12  ");
    EXPECT_EQ(home.read("DATA/departure.txt"),
              std::string("ABC12  /") + kAbc12Clearance + "/" + kAbc1aOn25L + "\r\n");
    EXPECT_TRUE(w.cmdSidGen.enabled);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DepartureClearanceTest, SevenCharacterCallsignSpeaksFourAndFillsTheEntry) {
    prepareDeparture("ABC1234");
    window().TxtInClimb.text = "5000";
    generate();
    EXPECT_EQ(window().LblIfrSid.text,
              "SOME AIR 1234 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABC1A STANDARD "
              "DEPARTURE CLIMB AND MANTAIN 5000 FEET INITIALLY SQUAWK 2301");
    EXPECT_EQ(window().List1.items, (Items{"ABC1234 - 2301"}));
    EXPECT_EQ(home.read("DATA/departure.txt").substr(0, 9), "ABC1234/S");
}

TEST_F(DepartureClearanceTest, ThreeCharacterCallsignSpeaksItWholeAndIsPadded) {
    prepareDeparture("AB1", "UNKNOWN");
    generate();
    EXPECT_EQ(window().LblIfrSid.text.substr(0, 31), "UNKNOWN AB1 CLEAR TO DEST LIRF ");
    EXPECT_EQ(window().List1.items, (Items{"AB1     - 2301"}));
    EXPECT_EQ(home.read("DATA/departure.txt").substr(0, 8), "AB1    /");
}

TEST_F(DepartureClearanceTest, TwoClearancesInARowGiveConsecutiveCodes) {
    window().Lblr1_1.text = "6000";
    window().Lblr2_1.text = "6077";
    window().LblSquawk.text = "6001";
    prepareDeparture("ABC12");
    generate();
    prepareDeparture("XYZ345", "Other Air");
    generate();
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 6001", "XYZ345  - 6002"}));
    EXPECT_EQ(window().LblIfrSid.text.substr(window().LblIfrSid.text.size() - 4), "6002");
    EXPECT_EQ(window().LblSquawk.text, "6003");
}

struct CodeStep {
    const char* name;
    const char* rangeStart;
    const char* rangeEnd;
    const char* current;
    std::vector<std::string> squawkedByOthers;
    const char* given;
    const char* next;
};

class DepartureCodeTest : public DepartureClearanceTest,
                          public ::testing::WithParamInterface<CodeStep> {};

TEST_P(DepartureCodeTest, GivesTheFirstFreeCodeAndOffersTheNext) {
    const CodeStep& c = GetParam();
    std::vector<std::string> lines = {pilotLine("ABC12", "EDDT", "LIRF", c.current)};
    for (std::size_t i = 0; i < c.squawkedByOthers.size(); ++i) {
        lines.push_back(
            pilotLine("OTH" + std::to_string(i), "EDDF", "EDDT", c.squawkedByOthers[i]));
    }
    lines.push_back("EDDT_TWR:123456:JANE DOE:5::::Test Tower:::::::EDDT INFORMATION K");
    writeSnapshot(lines);
    window().Lblr1_1.text = c.rangeStart;
    window().Lblr2_1.text = c.rangeEnd;
    window().LblSquawk.text = c.current;
    prepareDeparture("ABC12");
    generate();
    EXPECT_EQ(window().List1.items, (Items{std::string("ABC12   - ") + c.given}));
    EXPECT_EQ(window().LblSquawk.text, c.next);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DepartureCodeTest,
    ::testing::Values(
        CodeStep{"OctalStep0177", "0100", "0277", "0177", {}, "0177", "0200"},
        CodeStep{"OctalStep6007", "6000", "6077", "6007", {}, "6007", "6010"},
        CodeStep{"OctalStep0077", "0000", "0177", "0077", {}, "0077", "0100"},
        // No range adjustment: a range start ending in 7 gives out its own codes.
        CodeStep{"RangeStartEndingInSeven", "6007", "6077", "6007", {}, "6007", "6010"},
        CodeStep{"SquawkedByAnotherAircraft", "2301", "2377", "2301", {"2301"}, "2302", "2303"},
        CodeStep{"OwnSquawkDoesNotCount", "2301", "2377", "2301", {}, "2301", "2302"},
        CodeStep{
            "NextSkipsSquawkedCodes", "2301", "2377", "2301", {"2302", "2304"}, "2301", "2303"},
        CodeStep{"EmergencyCodesSkipped", "7400", "7777", "7477", {}, "7477", "7501"}),
    [](const auto& test) { return std::string(test.param.name); });

struct Refusal {
    const char* name;
    std::function<void(MainWindowModel&)> spoil;
    const char* text;
    const char* title;
};

class DepartureRefusalTest : public DepartureClearanceTest,
                             public ::testing::WithParamInterface<Refusal> {};

TEST_P(DepartureRefusalTest, ShowsTheFirstFailingCheckAndChangesNothing) {
    prepareDeparture("ABC12");
    state().ProcedureText = "BEFORE";
    window().LblIfrSid.text = "shown";
    writeSnapshot({pilotLine("OTH1", "EDDF", "EDDT", "2377")});
    GetParam().spoil(window());
    const std::string squawk = window().LblSquawk.text;
    generate();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, GetParam().text);
    EXPECT_EQ(platform.messages[0].title, GetParam().title);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(state().ProcedureText, "BEFORE");
    EXPECT_EQ(window().LblIfrSid.text, "shown");
    EXPECT_EQ(window().LblSquawk.text, squawk);
    EXPECT_TRUE(window().List1.items.empty());
    EXPECT_EQ(window().LstDeparture.items, (Items{"ABC12"}));
    EXPECT_FALSE(home.exists("DATA/departure.txt"));
    EXPECT_TRUE(state().IssuedCodes.empty());
}

constexpr const char* kRangeText =
    "PAY ATTENTION!!! NO TRANSPONDER CODE GENERATED PLEASE INDICATE THE RANGE";
constexpr const char* kRangeTitle = "RANGE SQUAWK CODE UNSELECTED";

INSTANTIATE_TEST_SUITE_P(
    Table, DepartureRefusalTest,
    ::testing::Values(
        Refusal{"NoRunway", [](MainWindowModel& w) { w.CmbTORwy.text.clear(); },
                "PAY ATTENTION!!! SELECT THE RUNWAY", "TAKE OFF RUNWAY UNSELECTED"},
        Refusal{"NoSid",
                [](MainWindowModel& w) {
                    w.CmbSid.text.clear();
                    w.TxtInClimb.text.clear();
                },
                "PAY ATTENTION!!! SELECT THE SID", "STANDARD INSTRUMENT DEPARTURE UNSELECTED"},
        Refusal{"NoClimb", [](MainWindowModel& w) { w.TxtInClimb.text.clear(); },
                "PAY ATTENTION!!! INSERT INITIAL CLIMB", "INITIAL CLIMB UNSELECTED"},
        Refusal{"CodeOfFiveCharacters", [](MainWindowModel& w) { w.LblSquawk.text = "10000"; },
                kRangeText, kRangeTitle},
        Refusal{"CodeNotOctal", [](MainWindowModel& w) { w.LblSquawk.text = "2318"; }, kRangeText,
                kRangeTitle},
        Refusal{"NoRangeAtAll",
                [](MainWindowModel& w) {
                    w.LblSquawk.text.clear();
                    w.Lblr1_1.text.clear();
                    w.Lblr2_1.text.clear();
                },
                kRangeText, kRangeTitle},
        Refusal{"LastCodeSquawkedElsewhere", [](MainWindowModel& w) { w.LblSquawk.text = "2377"; },
                kRangeText, kRangeTitle},
        Refusal{"CodePastTheRangeEnd", [](MainWindowModel& w) { w.LblSquawk.text = "2400"; },
                kRangeText, kRangeTitle}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(DepartureClearanceTest, TheRangeEndIsGivenOutOnceThenRefused) {
    window().LblSquawk.text = "2376";
    prepareDeparture("ABC12");
    generate();
    prepareDeparture("XYZ345");
    generate();
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2376", "XYZ345  - 2377"}));
    EXPECT_EQ(window().LblSquawk.text, "2377");
    prepareDeparture("QQQ77");
    generate();
    EXPECT_EQ(platform.messageTexts(), (Items{kRangeText}));
    EXPECT_EQ(window().List1.items.size(), 2u);
    EXPECT_EQ(window().LstDeparture.items, (Items{"QQQ77"}));
}

TEST_F(DepartureClearanceTest, ACodeIsNeverGivenTwiceInAConnection) {
    prepareDeparture("ABC12");
    generate();
    // Whatever the window offers later, a code given out stays taken until the reset.
    window().LblSquawk.text = "2301";
    prepareDeparture("XYZ345");
    generate();
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2301", "XYZ345  - 2302"}));

    ConnectionReset::resetConnection(context());
    EXPECT_TRUE(state().IssuedCodes.empty());
    window().Lblr1_1.text = "2301";
    window().Lblr2_1.text = "2377";
    window().LblSquawk.text = "2301";
    prepareDeparture("ABC12");
    generate();
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2301"}));
}

TEST_F(DepartureClearanceTest, SpeaksOnlyThePlanReadFromItsOwnAircraftsLine) {
    prepareDeparture("ABC12");
    window().Label1_13.text = "EDDT";  // an arrival analysed since rewrote the shared label
    generate();
    EXPECT_EQ(window().LblIfrSid.text, kAbc12Clearance);
    prepareDeparture("XYZ345");
    state().DeparturePlan = analysedPlan("ABC12", "KJFK");  // XYZ345's line was not found
    generate();
    EXPECT_EQ(messages().back(),
              "PAY ATTENTION!!! NO ANALYSED AIRCRAFT XYZ345: NO CLEARANCE IS GIVEN. CLICK ON ITS "
              "CALLSIGN AGAIN WHEN IT IS IN THE TRAFFIC FILE");
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2301"}));
    EXPECT_EQ(window().LstDeparture.items, (Items{"XYZ345"}));
    EXPECT_EQ(window().LblSquawk.text, "2302");
}

TEST_F(DepartureClearanceTest, AVfrFlightGetsNoClearanceNoCodeAndStaysListed) {
    prepareDeparture("ABC12");
    state().DeparturePlan->Record.FlightRules = "V";
    generate();
    EXPECT_EQ(window().LblIfrSid.text,
              "THIS IS A VFR FLIGHT OR LOCAL FLIGHT NO IFR DEPARTURE CLEARANCE. IF THIS IS A "
              "TRAINING FLIGHT PLEASE USE MANUAL INSERT");
    EXPECT_EQ(window().LblExpSid.text, "VFR");
    EXPECT_EQ(window().txtSidAss.text, "NO SID AVAILABLE IN THIS AIRPORT");
    EXPECT_TRUE(window().List1.items.empty());
    EXPECT_EQ(window().LstDeparture.items, (Items{"ABC12"}));
    EXPECT_EQ(window().LblSquawk.text, "2301");
    EXPECT_TRUE(state().IssuedCodes.empty());
    EXPECT_FALSE(home.exists("DATA/departure.txt"));
}

TEST_F(DepartureClearanceTest, NoSelectedAircraftAsksForOneAfterCollectingTheProcedure) {
    prepareDeparture("ABC12");
    window().LstDeparture.selected = -1;
    window().LblIfrSid.text = "shown";
    generate();
    EXPECT_EQ(platform.messageTexts(), (Items{"PAY ATTENTION!!! CLICK ON AIRCRAFT CALLSIGN"}));
    EXPECT_EQ(platform.messages[0].title, "AIRCRAFT CALLSIGN UNSELECTED");
    EXPECT_EQ(window().focus, "LstDeparture");
    EXPECT_EQ(state().ProcedureText, kAbc1aOn25L);
    EXPECT_EQ(window().txtSidAss.text, "");
    EXPECT_EQ(window().LblIfrSid.text, "shown");
    EXPECT_TRUE(window().List1.items.empty());
    EXPECT_FALSE(home.exists("DATA/departure.txt"));
}

struct SidLines {
    const char* name;
    const char* sid;
    const char* runway;
    const char* procedureText;
};

class DepartureSidLinesTest : public DepartureClearanceTest,
                              public ::testing::WithParamInterface<SidLines> {};

// The matched SID line, then the runway lines under it up to the next SID line or ENDSIDS.
TEST_P(DepartureSidLinesTest, TakesTheRunwayLinesUnderTheMatchedSidOnly) {
    prepareDeparture("ABC12");
    window().CmbSid.text = GetParam().sid;
    window().CmbTORwy.text = GetParam().runway;
    state().ProcedureText = "OLD";
    generate();
    EXPECT_EQ(window().txtSidAss.text, GetParam().procedureText);
}

INSTANTIATE_TEST_SUITE_P(
    Sids, DepartureSidLinesTest,
    ::testing::Values(SidLines{"StopsAtTheNextSid", "ABCDE1", "25L",
                               "SID ABCDE1 RNW 25L-------- RNW 25L TRK 249 FIX AAA"},
                      SidLines{"SkipsOtherRunways", "ABC1A", "25L", kAbc1aOn25L},
                      SidLines{"NoLineOfTheRunway", "ABC1A", "25R", "SID ABC1A RNW 25L"},
                      // 'SID ABCDE1 RNW 25L' matches, then 'SID ABCDEF1X' and its 25R line; not the
                      // one after ENDSIDS.
                      SidLines{"PrefixTakesTheLastAndStopsAtEndSids", "ABCDE", "25R",
                               "SID ABCDEF1X-------- RNW 25R TRK 249 FIX EEE"},
                      SidLines{"UnknownSidKeepsTheOldText", "ZZZ9Z", "25L", "OLD"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(DepartureClearanceTest, AMissingProcedureFileIsNamedAndNothingIsGiven) {
    std::filesystem::remove(home.file("SIDSTARS/EDDT.txt"));
    prepareDeparture("ABC12");
    generate();
    EXPECT_EQ(platform.messageTexts(),
              (Items{"PAY ATTENTION!!! THE PROCEDURE FILE " + home.file("SIDSTARS/EDDT.txt") +
                     " CANNOT BE READ (FILE NOT FOUND)"}));
    EXPECT_TRUE(window().List1.items.empty());
    EXPECT_EQ(window().LblSquawk.text, "2301");
    EXPECT_TRUE(state().IssuedCodes.empty());
}

TEST_F(DepartureClearanceTest, ALogThatCannotBeWrittenKeepsTheClearance) {
    std::filesystem::remove_all(home.file("DATA"));
    prepareDeparture("ABC12");
    generate();
    EXPECT_EQ(window().LblIfrSid.text, kAbc12Clearance);
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2301"}));
    EXPECT_EQ(window().LblSquawk.text, "2302");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("THE DEPARTURE LOG"), std::string::npos);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
}

TEST_F(DepartureClearanceTest, ValidateEnablesTheButtonOnSuccess) {
    prepareDeparture("ABC12");
    window().cmdSidGen.enabled = false;
    EXPECT_TRUE(DepartureClearance::validate(context()));
    EXPECT_TRUE(window().cmdSidGen.enabled);
    window().TxtInClimb.text.clear();
    EXPECT_FALSE(DepartureClearance::validate(context()));
}

}  // namespace
}  // namespace corvane
