// Clearances given and refused on a window set by hand. The read-back and removal of whole
// sessions, the records' bytes and the failures to write or read a log are driver sessions
// (tests/data/script/clearance/WholeSession..., LogsThatCannot...); these need a window, a log
// or a folder prepared by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "app/ConnectionReset.h"
#include "clearance/ClearanceLog.h"
#include "clearance/DepartureClearance.h"
#include "support/AppFixture.h"
#include "support/SnapshotLines.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;
using test::CaseRow;

/// A started window whose station is the test airport EDDT: its procedure file in the
/// procedures folder, a squawk range, and a snapshot the test fills with aircraft lines.
class ClearanceFixture : public test::AppFixture {
protected:
    ClearanceFixture() {
        start();
        home.write("SIDSTARS/EDDT.txt", testData("../script/clearance/home/SIDSTARS/EDDT.txt"));
        home.write("SIDSTARS/EDDN.txt", testData("EDDN.txt"));
        state().ProcFolder = home.file("SIDSTARS");
        state().AirportCode = "EDDT";
        writeSnapshot({});
        window().Lblr1_1.text = "2301";
        window().Lblr2_1.text = "2377";
        window().LblSquawk.text = "2301";
    }

    /// The bytes of a file of the clearance test data.
    static std::string testData(const std::string& name) {
        return test::readFileBytes(std::string(CORVANE_TEST_DATA) + "/clearance/" + name);
    }

    /// A pilot line of the snapshot: departing `from`, arriving `to`, squawking `squawk`.
    static std::string pilotLine(const std::string& callsign, const std::string& from,
                                 const std::string& to, const std::string& squawk) {
        return test::PilotLine(callsign)
            .set(snapshot::DepAirport, from)
            .set(snapshot::DestAirport, to)
            .set(snapshot::Squawk, squawk)
            .text();
    }

    /// Makes the departure (or arrival) panel ready for a clearance of `callsign` without a
    /// connect: the aircraft listed and selected, runway, procedure, level, airline, and the
    /// destination LIRF (or the expected STAR and code) and plan an analysis under IFR leaves.
    void preparePanel(bool arrival, const std::string& callsign,
                      const std::string& airline = "Some Air") {
        MainWindowModel& w = window();
        ListBox& list = arrival ? w.LstArrival : w.LstDeparture;
        list.add(callsign);
        list.selected = static_cast<int>(list.items.size()) - 1;
        (arrival ? state().SelectedArrivalCallsign : state().SelectedDepartureCallsign) = callsign;
        (arrival ? w.cmbLandRwy : w.CmbTORwy).items = {"25L", "25R", "07"};
        (arrival ? w.cmbLandRwy : w.CmbTORwy).select(arrival ? 1 : 0);
        ComboBox& procedure = arrival ? w.cmbStar : w.CmbSid;
        procedure.items = arrival ? std::vector<std::string>{"XYZ1A ", "QRS2B "}
                                  : std::vector<std::string>{"ABCDE1", "ABC1A ", "ABCDEF"};
        procedure.select(arrival ? 0 : 1);
        (arrival ? w.txtDescend : w.TxtInClimb).text = arrival ? "70" : "120";
        (arrival ? w.lblCompanyArr : w.lblCompanyDep).text = airline;
        (arrival ? w.lblExpStar : w.Label1_13).text = arrival ? "XYZ" : "LIRF";
        if (arrival) {
            w.lblSqAss.text = "4521";
        }
        AnalysedPlan plan;
        plan.Callsign = callsign;
        plan.Record.Destination = arrival ? "EDDT" : "LIRF";
        plan.Record.FlightRules = "I";
        (arrival ? state().ArrivalPlan : state().DeparturePlan) = plan;
    }
};

class Clearances : public ClearanceFixture, public ::testing::WithParamInterface<CaseRow> {};

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

class DepartureClearanceTest : public ClearanceFixture {
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

class AssignedListsTest : public ClearanceFixture {
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

TEST(ClearanceLogParseLimitTest, ProcedureTextIsCutAfter300CharactersAndTrimmed) {
    const std::string procedure = "  " + std::string(298, 'A') + "BCDEF  ";
    const auto entry =
        ClearanceLog::parse("ABC12  /X/" + procedure, "ABC12", ClearanceSide::Departure);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->procedure, std::string(298, 'A'));
}

class ClearanceLogFileTest : public ClearanceFixture {
protected:
    void show(const std::string& callsign) {
        state().SelectedDepartureCallsign = callsign;
        ClearanceLog::show(context(), ClearanceSide::Departure);
    }
};

TEST_F(ClearanceLogFileTest, ShowsTheLastWholeRecordOfTheAircraftWrittenInThisConnection) {
    home.write("DATA/departure.txt", "ABC12  /EARLIER RUN/P0\r\n");
    for (const char* record : {"ABC12/FIRST/P1", "XYZ99/OTHER/P2", "ABC12/SECOND/P3"}) {
        const auto part = test::splitAt(record, '/');
        state().SelectedDepartureCallsign = part[0];
        window().LblIfrSid.text = part[1];
        window().txtSidAss.text = part[2];
        ClearanceLog::write(context(), ClearanceSide::Departure);
    }
    std::ofstream(home.file("DATA/departure.txt"), std::ios::app) << "ABC12  /BROKEN/P4";
    show("ABC12");
    EXPECT_EQ(window().LblIfrSid.text, "SECOND");
    EXPECT_EQ(window().txtSidAss.text, "P3");
    show("XYZ99");
    EXPECT_EQ(window().LblIfrSid.text, "OTHER");
    EXPECT_EQ(window().txtSidAss.text, "P2");
    show("QQQ1");
    EXPECT_EQ(window().LblIfrSid.text, "OTHER");
    EXPECT_EQ(window().txtSidAss.text, "P2");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ClearanceLogFileTest, AReadOnlyDataFolderIsReported) {
    platform.fileSystem.denyWrites = true;
    state().SelectedArrivalCallsign = "ABC12";
    window().lblIfrStar.text = "X";
    ClearanceLog::write(context(), ClearanceSide::Arrival);
    EXPECT_EQ(platform.messageTexts(),
              std::vector<std::string>{"PAY ATTENTION!!! THE ARRIVAL LOG " +
                                       context().folder.dataFile("arrival.txt") +
                                       " CANNOT BE WRITTEN (ACCESS DENIED). THE CLEARANCE IS NOT "
                                       "RECORDED"});
    EXPECT_EQ(window().lblIfrStar.text, "X");
}

}  // namespace
}  // namespace corvane
