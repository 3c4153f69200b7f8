// The clearance's words, log records, procedure file lines, runway lists and squawk codes,
// from the tables under tests/data/clearance.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainWindowModel.h"
#include "clearance/ClearanceLog.h"
#include "clearance/ClearanceWording.h"
#include "clearance/ProcedureFile.h"
#include "clearance/RunwayReader.h"
#include "clearance/SquawkAllocator.h"
#include "platform/LineSource.h"
#include "platform/LocalFileSystem.h"
#include "support/CaseTable.h"
#include "support/PosixOnly.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

using test::CaseRow;
using P = ProcedureFile;
using W = ClearanceWording;

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
    {"record", [](const CaseRow& c) { return ClearanceLog::record(c[1], c[2], c[3]); }},
    {"parse",
     [](const CaseRow& c) {
         const auto side = c[1] == "Arrival" ? ClearanceSide::Arrival : ClearanceSide::Departure;
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
CORVANE_TEXT_TABLE(ProcedureLines, kClearance, "clearance/procedure-lines.tsv");
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

using V = std::vector<std::string>;

/// A "|"-separated list of a table cell; an empty cell is an empty list.
V listOf(const std::string& cell) {
    return cell.empty() ? V{} : test::splitAt(cell, '|');
}

class ReadRunways : public ::testing::TestWithParam<test::CaseRow> {};

TEST_P(ReadRunways, FillsBothRunwayListsAndTheAirportLabels) {
    const test::CaseRow& c = GetParam();
    MainWindowModel window;
    window.LblNomeApt.text = "LOCATION";
    window.LblAirac.text = "OLD AIRAC";
    MemoryLines lines(listOf(c[0]));
    EXPECT_TRUE(RunwayReader::read(lines, "EDDF", window));
    EXPECT_EQ(window.CmbTORwy.items, listOf(c[1]));
    EXPECT_EQ(window.cmbLandRwy.items, listOf(c[1]));
    EXPECT_EQ(window.LblNomeApt.text, c[2]);
    EXPECT_EQ(window.LblAirac.text, c[3]);
    EXPECT_EQ(lines.read(), static_cast<std::size_t>(c.number(4)));
}

CORVANE_CASES(Files, ReadRunways, "clearance/runway-reader.tsv");

TEST(RunwayReader, AReadFailureKeepsWhatWasRead) {
    MainWindowModel window;
    MemoryLines lines(V{"RNW 25L", "RNW 07R", "ENDRNWS"}, 1);
    EXPECT_FALSE(RunwayReader::read(lines, "EDDF", window));
    EXPECT_EQ(window.CmbTORwy.items, V{"25L"});
}

}  // namespace
}  // namespace corvane
