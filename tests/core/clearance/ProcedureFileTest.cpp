#include <gtest/gtest.h>

#include <string>

#include "clearance/ProcedureFile.h"
#include "platform/LocalFileSystem.h"
#include "support/CaseTable.h"
#include "support/PosixOnly.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

using test::CaseRow;
using P = ProcedureFile;

const test::TextFunctions kLines = {
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
};

CORVANE_TEXT_TABLE(ProcedureLines, kLines, "clearance/procedure-lines.tsv");

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

}  // namespace
}  // namespace corvane
