// The clearance's words, log records, procedure file lines, runway lists and squawk codes,
// from the tables under tests/data/clearance; then clearances given and refused on a window set
// by hand. The read-back and removal of whole sessions, the records' bytes and the failures to
// write or read a log are driver sessions (tests/data/script/clearance/WholeSession...,
// LogsThatCannot...); these need a window, a log or a folder prepared by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "clearance/ClearanceLog.h"
#include "clearance/ClearanceWording.h"
#include "clearance/DepartureClearance.h"
#include "clearance/SquawkAllocator.h"
#include "platform/LineSource.h"
#include "platform/LocalFileSystem.h"
#include "station/ProcedureFile.h"
#include "station/RunwayReader.h"
#include "support/AppFixture.h"
#include "support/CaseHome.h"
#include "support/CaseTable.h"
#include "support/PosixOnly.h"
#include "support/SnapshotLines.h"
#include "support/TempFolder.h"
#include "window/ConnectionReset.h"
#include "window/MainWindowModel.h"
#include "window/ShownText.h"
#include "window/StationState.h"

namespace corvane {
namespace {

using test::CaseRow;
namespace P = ProcedureFile;
namespace W = ClearanceWording;

const test::TextFunctions kClearance = {
    {"levelPhrase", [](const CaseRow& c) { return W::levelPhrase(c[1]); }},
    {"paddedCallsign", [](const CaseRow& c) { return W::paddedCallsign(c[1]); }},
    {"spoken",
     [](const CaseRow& c) {
         const auto length = W::callsignNumberLength(c[1]);
         return std::to_string(length) + " " + W::spokenNumber(c[1], length);
     }},
    {"spokenNumber",
     [](const CaseRow& c) {
         return W::spokenNumber(c[1], static_cast<std::int16_t>(std::stoi(c[2])));
     }},
    {"airlineName", [](const CaseRow& c) { return W::airlineName(c[1]); }},
    {"assignedEntry", [](const CaseRow& c) { return W::assignedEntry(c[1], c[2]); }},
    {"starEntryPoint", [](const CaseRow& c) { return W::starEntryPoint(c[1]); }},
    {"record", [](const CaseRow& c) { return ClearanceLog::record(c[1], c[2], c[3]); }},
    {"parse",
     [](const CaseRow& c) {
         const auto side = c[1] == "Arrival" ? TrafficSide::Arrival : TrafficSide::Departure;
         const auto entry = ClearanceLog::parse(c[2], c[3], side);
         return entry ? entry->clearance + "|" + entry->procedure : "(none)";
     }},
    {"kinds",
     [](const CaseRow& c) {
         const std::string line = c[1];
         std::string kinds;
         for (const auto& [name, is] : {std::pair{"runway", P::isRunwayLine(line)},
                                        {"sid", P::isSidLine(line)},
                                        {"star", P::isStarLine(line)},
                                        {"approach", P::isApproachLine(line)},
                                        {"endOfRunways", P::isEndOfRunways(line)},
                                        {"airac", P::isAiracLine(line)}}) {
             kinds += is ? (kinds.empty() ? "" : " ") + std::string(name) : "";
         }
         return kinds.empty() ? "-" : kinds;
     }},
    {"runwayDesignator", [](const CaseRow& c) { return std::string(P::runwayDesignator(c[1])); }},
    {"sidName", [](const CaseRow& c) { return std::string(P::sidName(c[1])); }},
    {"starName", [](const CaseRow& c) { return std::string(P::starName(c[1])); }},
    {"approachName", [](const CaseRow& c) { return std::string(P::approachName(c[1])); }},
    {"approachDescription",
     [](const CaseRow& c) { return std::string(P::approachDescription(c[1])); }},
    {"airportName", [](const CaseRow& c) { return std::string(P::airportName(c[1])); }},
    {"airacText", [](const CaseRow& c) { return std::string(P::airacText(c[1])); }},
    {"isAirportNameLine",
     [](const CaseRow& c) { return P::isAirportNameLine(c[1], c[2]) ? "yes" : "no"; }},
    {"isDepartureRunwayLine",
     [](const CaseRow& c) { return P::isDepartureRunwayLine(c[1], c[2]) ? "yes" : "no"; }},
    {"approachRunwayHits",
     [](const CaseRow& c) { return std::to_string(P::approachRunwayHits(c[1], c[2])); }},
    {"isSafeAirportCode",
     [](const CaseRow& c) { return P::isSafeAirportCode(c[1]) ? "yes" : "no"; }},
    {"allocate",
     [](const CaseRow& c) {
         SquawkAllocator allocator(c[1], c[2]);
         for (const std::string& code : test::splitAt(c[4], '|')) {
             allocator.markTaken(code);
         }
         const auto given = allocator.allocate(c[3]);
         return given ? given->code + " " + given->next : "(none)";
     }},
    {"parseCode",
     [](const CaseRow& c) {
         const auto value = SquawkAllocator::parse(c[1]);
         // A code read back is written the same.
         return !value
                    ? "(none)"
                    : std::to_string(*value) + (SquawkAllocator::format(*value) == c[1] ? "" : "?");
     }},
    {"isReserved",
     [](const CaseRow& c) {
         return SquawkAllocator::isReserved(std::stoi(c[1], nullptr, 8)) ? "yes" : "no";
     }},
};

CORVANE_TEXT_TABLE(Wording, kClearance, "clearance/wording.tsv");
CORVANE_TEXT_TABLE(ProcedureLineCases, kClearance, "clearance/procedure-lines.tsv");
CORVANE_TEXT_TABLE(SquawkCodes, kClearance, "clearance/squawk-codes.tsv");

TEST(ProcedureFile, PathPrefersTheExactNameThenIgnoresCase) {
    test::TempFolder folder;
    LocalFileSystem files;
    EXPECT_EQ(ProcedureFile::path(files, folder.path(), "EDDF"), folder.file("EDDF.txt"));
    EXPECT_EQ(ProcedureFile::path(files, folder.file("none"), "EDDF"),
              folder.file("none/EDDF.txt"));
    CORVANE_SKIP_UNLESS_POSIX("case-sensitive file names");
    folder.write("eddf.TXT", "RNW 25L\r\n");
    EXPECT_EQ(ProcedureFile::path(files, folder.path(), "EDDF"), folder.file("eddf.TXT"));
    folder.write("EDDF.txt", "RNW 25L\r\n");
    EXPECT_EQ(ProcedureFile::path(files, folder.path(), "EDDF"), folder.path() + "/EDDF.txt");
    EXPECT_EQ(ProcedureFile::path(files, folder.path() + "/", "EDDF"), folder.path() + "/EDDF.txt");
}

TEST(ProcedureFile, OpenTellsAMissingFileFromAMissingFolder) {
    test::TempFolder folder;
    LocalFileSystem files;
    FileStatus status = FileStatus::Ok;
    EXPECT_EQ(ProcedureFile::open(files, folder.file("EDDF.txt"), status), nullptr);
    EXPECT_EQ(status, FileStatus::FileNotFound);
    EXPECT_EQ(ProcedureFile::open(files, folder.file("none/EDDF.txt"), status), nullptr);
    EXPECT_EQ(status, FileStatus::PathNotFound);
}

TEST(SquawkAllocatorTest, EveryCodeOfARangeIsGivenOutOnceAndNeverLeavesIt) {
    SquawkAllocator allocator("6000", "6077");
    std::string current = "6000";
    std::vector<std::string> given;
    while (const auto allocation = allocator.allocate(current)) {
        given.push_back(allocation->code);
        allocator.markTaken(allocation->code);
        current = allocation->next;
        ASSERT_LE(given.size(), 64u);
    }
    ASSERT_EQ(given.size(), 64u);
    EXPECT_EQ(given.front(), "6000");
    EXPECT_EQ(given[8], "6010");
    EXPECT_EQ(given.back(), "6077");
    EXPECT_EQ(current, "6077");
}

/// Lines from memory; can fail after a given number of lines.
class MemoryLines final : public LineSource {
public:
    explicit MemoryLines(std::vector<std::string> lines, std::size_t failAfter = SIZE_MAX)
        : lines_(std::move(lines)), failAfter_(failAfter) {}
    bool next(std::string_view& line) override {
        if (next_ >= failAfter_) {
            failed_ = true;
            return false;
        }
        if (next_ >= lines_.size()) {
            return false;
        }
        line = lines_[next_++];
        return true;
    }
    bool failed() const override { return failed_; }
    std::size_t read() const { return next_; }

private:
    std::vector<std::string> lines_;
    std::size_t failAfter_;
    std::size_t next_ = 0;
    bool failed_ = false;
};

using Items = std::vector<std::string>;

/// A "|"-separated list of a table cell; an empty cell is an empty list.
Items listOf(const std::string& cell) {
    return cell.empty() ? Items{} : test::splitAt(cell, '|');
}

class ReadRunways : public ::testing::TestWithParam<test::CaseRow> {};

TEST_P(ReadRunways, FillsBothRunwayListsAndTheAirportLabels) {
    const test::CaseRow& c = GetParam();
    MainWindowModel window;
    StationState station;
    station.airportName = "LOCATION";
    station.airac = "OLD AIRAC";
    MemoryLines lines(listOf(c[0]), c[5].empty() ? SIZE_MAX : c.number(5));
    EXPECT_EQ(RunwayReader::read(lines, "EDDF", window, station), c[5].empty());
    EXPECT_EQ(window.departure.runway.items, listOf(c[1]));
    EXPECT_EQ(window.arrival.runway.items, listOf(c[1]));
    EXPECT_EQ(station.airportName, c[2]);
    EXPECT_EQ(station.airac, c[3]);
    EXPECT_EQ(lines.read(), static_cast<std::size_t>(c.number(4)));
}

CORVANE_CASES(Files, ReadRunways, "clearance/runway-reader.tsv");

/// A started window whose station is the test airport EDDT: its procedure file in the
/// procedures folder, a squawk range, and a snapshot the test fills with aircraft lines.
class ClearanceFixture : public test::AppFixture {
protected:
    ClearanceFixture() {
        start();
        home.write("SIDSTARS/EDDT.txt", test::caseHomeFile("clearance", "SIDSTARS/EDDT.txt"));
        home.write("SIDSTARS/EDDN.txt", testData("EDDN.txt"));
        state().ProcFolder = home.file("SIDSTARS");
        state().AirportCode = "EDDT";
        writeSnapshot({stationLine()});
        preset("Lblr1_1", "2301");
        preset("Lblr2_1", "2377");
        preset("LblSquawk", "2301");
    }

    /// The station's own line: a snapshot without any line is one still being written.
    static std::string stationLine() {
        return test::stationLine("EDDT_TWR", "123456", "JANE DOE", "5", "Tower",
                                 "EDDT INFORMATION K");
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
        ListBox& list = arrival ? w.arrival.traffic : w.departure.traffic;
        list.add(callsign);
        list.selected = static_cast<int>(list.items.size()) - 1;
        (arrival ? state().SelectedArrivalCallsign : state().SelectedDepartureCallsign) = callsign;
        (arrival ? w.arrival.runway : w.departure.runway).items = {"25L", "25R", "07"};
        (arrival ? w.arrival.runway : w.departure.runway).select(arrival ? 1 : 0);
        ComboBox& procedure = arrival ? w.arrival.procedure : w.departure.procedure;
        procedure.items = arrival ? std::vector<std::string>{"XYZ1A ", "QRS2B "}
                                  : std::vector<std::string>{"ABCDE1", "ABC1A ", "ABCDEF"};
        procedure.select(arrival ? 0 : 1);
        (arrival ? w.arrival.clearedLevel : w.departure.clearedLevel).text = arrival ? "70" : "120";
        preset(arrival ? "lblCompanyArr" : "lblCompanyDep", airline);
        preset(arrival ? "lblExpStar" : "Label1(13)", arrival ? "XYZ" : "LIRF");
        if (arrival) {
            preset("lblSqAss", "4521");
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
    std::vector<std::string> lines{stationLine()};
    std::optional<std::string> ownLine;
    std::string shape;
    for (const auto& [key, value] : c.pairs(1)) {
        callsign = key == "callsign" ? value : callsign;
        shape = key == "snapshot" ? value : shape;
        airline = key == "airline" ? value : airline;
        if (key == "own" || key == "others") {
            for (const std::string& squawk : test::splitAt(value, '|')) {
                test::PilotLine line(key == "own" ? callsign : "OTH" + squawk);
                line.set(snapshot::DepAirport, key == "own" ? "EDDT" : "EDDF");
                lines.push_back(line.set(snapshot::Squawk, squawk).text());
            }
            ownLine = key == "own" ? std::optional(lines.back()) : ownLine;
        }
        if (key == "twin") {  // another client of the same callsign, listed first
            lines.insert(lines.begin() + 1, pilotLine(callsign, "LFPG", "EGLL", value));
        }
        if (key == "cutline") {  // a route past the reader's line limit hides the squawk
            lines.push_back(test::PilotLine("LONG1")
                                .set(snapshot::Route, std::string(5'000'000, 'A'))
                                .set(snapshot::Squawk, value)
                                .text());
        }
        if (key == "census") {  // the last whole read of this connection
            state().LastWholeSnapshot.emplace();
            state().LastWholeSnapshot->add("CENSUS1:", value);
        }
    }
    writeSnapshot(lines);
    if (!shape.empty()) {
        // The radar client is rewriting the file: empty, or ended inside a line.
        home.write("radar/recent.dat", shape == "empty" ? "" : stationLine() + "\r\nOTH1:1");
    }
    preparePanel(c[0] != "cmdSidGen", callsign, airline);
    if (ownLine) {
        // The plan as the analysis of the aircraft's own line leaves it.
        (c[0] == "cmdSidGen" ? state().DeparturePlan : state().ArrivalPlan)->Line =
            snapshotLineId(*ownLine);
    }
    for (const auto& [key, value] : c.pairs(1)) {
        if (key != "callsign" && key != "airline" && key != "own" && key != "others" &&
            key != "twin" && key != "cutline" && key != "census" && key != "snapshot") {
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
    preset("LblSquawk", "2376");
    generate("ABC12");
    generate("XYZ345");
    EXPECT_EQ(window().departure.cleared.items, (Items{"ABC12   - 2376", "XYZ345  - 2377"}));
    EXPECT_EQ(window().departure.nextCode.text, "2377");
    generate("QQQ77");
    EXPECT_EQ(platform.messageTexts(),
              (Items{"PAY ATTENTION!!! NO TRANSPONDER CODE GENERATED PLEASE INDICATE THE RANGE"}));
    EXPECT_EQ(window().departure.cleared.items.size(), 2u);
    EXPECT_EQ(window().departure.traffic.items, (Items{"QQQ77"}));
}

TEST_F(DepartureClearanceTest, ACodeIsNeverGivenTwiceInAConnection) {
    generate("ABC12");
    // Whatever the window offers later, a code given out stays taken until the reset.
    preset("LblSquawk", "2301");
    generate("XYZ345");
    EXPECT_EQ(window().departure.cleared.items, (Items{"ABC12   - 2301", "XYZ345  - 2302"}));
    ConnectionReset::resetConnection(context());
    EXPECT_TRUE(state().IssuedCodes.empty());
    writeSnapshot({stationLine()});
    preset("Lblr1_1", "2301");
    preset("Lblr2_1", "2377");
    preset("LblSquawk", "2301");
    generate("ABC12");
    EXPECT_EQ(window().departure.cleared.items, (Items{"ABC12   - 2301"}));
}

TEST_F(DepartureClearanceTest, ValidateEnablesTheButtonOnSuccess) {
    preparePanel(false, "ABC12");
    window().departure.generate.enabled = false;
    EXPECT_TRUE(DepartureClearance::validate(context()));
    EXPECT_TRUE(window().departure.generate.enabled);
    window().departure.clearedLevel.text.clear();
    EXPECT_FALSE(DepartureClearance::validate(context()));
}

class AssignedListsTest : public ClearanceFixture {
protected:
    AssignedListsTest() { writeSnapshot({pilotLine("ABC12", "EDDT", "LIRF", "1000")}); }
    void clearDeparture(int sidIndex) {
        preparePanel(false, "ABC12");
        window().departure.procedure.select(sidIndex);
        ASSERT_EQ(app->click("cmdSidGen"), ActionResult::Done);
    }
};

TEST_F(AssignedListsTest, ADepartureClearedTwiceShowsTheSecondAndItsAnalysisAgain) {
    clearDeparture(1);
    window().departure.traffic.clear();
    clearDeparture(2);
    ASSERT_EQ(window().departure.cleared.items, (Items{"ABC12   - 2301", "ABC12   - 2302"}));
    preset("LblIfrSid", "");
    preset("lblCompanyDep", "kept");
    window().departure.filedDestination.text.clear();
    window().departure.messageBlink.enabled = true;
    window().departure.message.visible = false;
    window().departure.message.backColour = colour::kRed;
    ASSERT_EQ(app->select("List1", 0), ActionResult::Done);
    EXPECT_NE(shownText(window().departure.clearance.text).find("VIA ABCDEF "), std::string::npos);
    EXPECT_NE(shownText(window().departure.clearance.text).find("SQUAWK 2302"), std::string::npos);
    EXPECT_EQ(window().departure.message.fontSize, 22);
    EXPECT_EQ(window().departure.message.backColour, colour::kYellow);
    EXPECT_TRUE(window().departure.message.visible);
    EXPECT_EQ(window().departure.airline.text, "kept");
    EXPECT_EQ(window().departure.filedDestination.text, "LIRF");
}

class ClearanceLogFileTest : public ClearanceFixture {
protected:
    void show(const std::string& callsign) {
        state().SelectedDepartureCallsign = callsign;
        ClearanceLog::show(context(), TrafficSide::Departure);
    }
};

TEST_F(ClearanceLogFileTest, ShowsTheLastWholeRecordOfTheAircraftWrittenInThisConnection) {
    home.write("DATA/departure.txt", "ABC12  /EARLIER RUN/P0\r\n");
    for (const char* record : {"ABC12/FIRST/P1", "XYZ99/OTHER/P2", "ABC12/SECOND/P3"}) {
        const auto part = test::splitAt(record, '/');
        state().SelectedDepartureCallsign = part[0];
        state().DepartureClearanceTexts.procedure = part[2];
        ClearanceLog::write(context(), TrafficSide::Departure, part[1]);
    }
    std::ofstream(home.file("DATA/departure.txt"), std::ios::app) << "ABC12  /BROKEN/P4";
    show("ABC12");
    EXPECT_EQ(window().departure.clearance.text, "SECOND");
    EXPECT_EQ(window().departure.assignedProcedure.text, "P3");
    show("XYZ99");
    EXPECT_EQ(window().departure.clearance.text, "OTHER");
    EXPECT_EQ(window().departure.assignedProcedure.text, "P2");
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace corvane
