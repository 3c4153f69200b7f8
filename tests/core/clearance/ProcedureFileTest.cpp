#include <gtest/gtest.h>

#include <string>

#include "clearance/ProcedureFile.h"
#include "platform/LocalFileSystem.h"
#include "support/PosixOnly.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

struct KindCase {
    const char* line;
    bool runway, sid, star, approach, endOfRunways, airac;
};

class LineKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(LineKinds, AreToldByTheirLeadingColumns) {
    const std::string_view line = GetParam().line;
    EXPECT_EQ(ProcedureFile::isRunwayLine(line), GetParam().runway) << line;
    EXPECT_EQ(ProcedureFile::isSidLine(line), GetParam().sid) << line;
    EXPECT_EQ(ProcedureFile::isStarLine(line), GetParam().star) << line;
    EXPECT_EQ(ProcedureFile::isApproachLine(line), GetParam().approach) << line;
    EXPECT_EQ(ProcedureFile::isEndOfRunways(line), GetParam().endOfRunways) << line;
    EXPECT_EQ(ProcedureFile::isAiracLine(line), GetParam().airac) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineKinds,
    ::testing::Values(KindCase{"RNW 25L", true, false, false, false, false, false},
                      KindCase{"RNW", true, false, false, false, false, false},
                      KindCase{"RNWS", false, false, false, false, false, false},
                      KindCase{"RNWSX 25L", false, false, false, false, false, false},
                      KindCase{"rnw 25L", false, false, false, false, false, false},
                      KindCase{" RNW 25L", false, false, false, false, false, false},
                      KindCase{"ENDRNWS", false, false, false, false, true, false},
                      KindCase{"ENDRNWSX", false, false, false, false, true, false},
                      KindCase{"ENDRNW", false, false, false, false, false, false},
                      KindCase{"SID ABCDE1 RNW 25L", false, true, false, false, false, false},
                      KindCase{"SIDS", false, false, false, false, false, false},
                      KindCase{"STAR XYZ1A", false, false, true, false, false, false},
                      KindCase{"STARS", false, false, false, false, false, false},
                      KindCase{"APPROACH ILS25R", false, false, false, true, false, false},
                      KindCase{"APPROAC", false, false, false, false, false, false},
                      KindCase{"  AIRAC 2401", false, false, false, false, false, true},
                      KindCase{"AIRAC 2401", false, false, false, false, false, false},
                      KindCase{"", false, false, false, false, false, false}));

TEST(ProcedureFile, TakesItsFixedColumns) {
    EXPECT_EQ(ProcedureFile::runwayDesignator("RNW 25L 250"), "25L");
    EXPECT_EQ(ProcedureFile::runwayDesignator("RNW 9 090"), "9 0");
    EXPECT_EQ(ProcedureFile::runwayDesignator("RNW 9"), "9");
    EXPECT_EQ(ProcedureFile::runwayDesignator("RNW"), "");
    EXPECT_EQ(ProcedureFile::sidName("SID ABCDE1 RNW 25L"), "ABCDE1");
    EXPECT_EQ(ProcedureFile::sidName("SID ABC1A RNW 25L"), "ABC1A ");
    EXPECT_EQ(ProcedureFile::sidName("SID ABCDEF1X"), "ABCDEF");
    EXPECT_EQ(ProcedureFile::starName("STAR XYZ1A"), "XYZ1A");
    EXPECT_EQ(ProcedureFile::approachName("APPROACH ILS25R FIX"), "ILS25R ");
    EXPECT_EQ(ProcedureFile::approachDescription("APPROACH ILS25R FIX"), "ILS25R FIX");
    EXPECT_EQ(ProcedureFile::airportName("  EDDF   FRANKFURT MAIN     50.0"),
              "FRANKFURT MAIN     50.0");
    EXPECT_EQ(ProcedureFile::airportName("  EDDF"), "");
    EXPECT_EQ(ProcedureFile::airacText("  AIRAC 2401"), "AIRAC 2401");
    EXPECT_EQ(ProcedureFile::airacText("  " + std::string(70, 'A')), std::string(60, 'A'));
    EXPECT_TRUE(ProcedureFile::isAirportNameLine("  EDDF X", "EDDF"));
    EXPECT_FALSE(ProcedureFile::isAirportNameLine(" EDDF X", "EDDF"));
    EXPECT_TRUE(ProcedureFile::isDepartureRunwayLine("RNW  25L", "25L"));
    EXPECT_FALSE(ProcedureFile::isDepartureRunwayLine("RNW 25L", "25L"));
}

TEST(ProcedureFile, ApproachRunwayTestsCountEachHit) {
    EXPECT_EQ(ProcedureFile::approachRunwayHits("APPROACH ILS25R MORE", "25R"), 1);
    EXPECT_EQ(ProcedureFile::approachRunwayHits("APPROACH RNAV25R", "25R"), 1);
    EXPECT_EQ(ProcedureFile::approachRunwayHits("APPROACH ILS25R", "ILS"), 0);
    EXPECT_EQ(ProcedureFile::approachRunwayHits("APPROACH XX2525", "25"), 2);
    EXPECT_EQ(ProcedureFile::approachRunwayHits("SIDXXXXX ILS25R", "25R"), 0);
}

TEST(ProcedureFile, OnlyFourLettersOrDigitsMayNameAFile) {
    for (const char* good : {"EDDF", "LIRF", "K1G4", "eddf"}) {
        EXPECT_TRUE(ProcedureFile::isSafeAirportCode(good)) << good;
    }
    for (const char* bad : {"", "EDD", "EDDFX", "ED/F", "..\\x", "../.", "ED F", "ÉDDF", "ED.F"}) {
        EXPECT_FALSE(ProcedureFile::isSafeAirportCode(bad)) << bad;
    }
}

TEST(ProcedureFile, PathPrefersTheExactNameThenIgnoresCase) {
    test::TempFolder folder;
    LocalFileSystem files;
    EXPECT_EQ(ProcedureFile::path(files, folder.path(), "EDDF"), folder.file("EDDF.txt"));
    EXPECT_EQ(ProcedureFile::path(files, folder.file("none"), "EDDF"),
              folder.file("none/EDDF.txt"));
    folder.write("eddf.TXT", "RNW 25L\r\n");
    EXPECT_EQ(ProcedureFile::path(files, folder.path(), "EDDF"), folder.file("eddf.TXT"));
    CORVANE_SKIP_UNLESS_POSIX("case-sensitive file names");
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
