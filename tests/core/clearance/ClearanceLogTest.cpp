#include "clearance/ClearanceLog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "ClearanceFixture.h"
#include "support/PosixOnly.h"

namespace corvane {
namespace {

constexpr const char* kDepartureClearance =
    "SOME AIR 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABC1A STANDARD DEPARTURE CLIMB "
    "AND MANTAIN FL 120 INITIALLY SQUAWK 2301";

TEST(ClearanceLogRecordTest, IsCallsignSlashClearanceSlashProcedure) {
    EXPECT_EQ(ClearanceLog::record("ABC12", "X", "P"), "ABC12  /X/P");
    EXPECT_EQ(ClearanceLog::record("AB1", "X", "P"), "AB1    /X/P");
    EXPECT_EQ(ClearanceLog::record("ABC1234", "X", ""), "ABC1234/X/");
    EXPECT_EQ(ClearanceLog::record("ABC12  ", "X", "P"), "ABC12  /X/P");
    EXPECT_EQ(ClearanceLog::record("AB\x1B[2J", "X", "P"), "AB?[2J /X/P");
}

struct ParseCase {
    const char* name;
    ClearanceSide side;
    const char* line;
    const char* callsign;
    bool matches;
    const char* clearance;
    const char* procedure;
};

class ClearanceLogParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ClearanceLogParseTest, ReadsTheWholeClearanceBack) {
    const ParseCase& c = GetParam();
    const auto entry = ClearanceLog::parse(c.line, c.callsign, c.side);
    ASSERT_EQ(entry.has_value(), c.matches);
    if (entry) {
        EXPECT_EQ(entry->clearance, c.clearance);
        EXPECT_EQ(entry->procedure, c.procedure);
    }
}

const ParseCase kParseCases[] = {
    {"Departure", ClearanceSide::Departure,
     "ABC12  /SOME AIR 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABC1A STANDARD DEPARTURE "
     "CLIMB AND MANTAIN FL 120 INITIALLY SQUAWK 2301/SID ABC1A-------- RNW 25L TRK 249 FIX BB",
     "ABC12", true, kDepartureClearance, "SID ABC1A-------- RNW 25L TRK 249 FIX BB"},
    {"SlashInAirlineName", ClearanceSide::Departure,
     "ABC12  /AIR/LINE 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABC1A STANDARD DEPARTURE "
     "CLIMB AND MANTAIN FL 120 INITIALLY SQUAWK 2301/SID ABC1A",
     "ABC12", true,
     "AIR/LINE 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABC1A STANDARD DEPARTURE CLIMB "
     "AND MANTAIN FL 120 INITIALLY SQUAWK 2301",
     "SID ABC1A"},
    {"SlashInProcedureText", ClearanceSide::Departure,
     "ABC12  /A/B 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA X STANDARD DEPARTURE CLIMB "
     "AND MANTAIN FL 120 INITIALLY SQUAWK 2301/SID X SPEED 250/FL100 ",
     "ABC12", true,
     "A/B 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA X STANDARD DEPARTURE CLIMB AND "
     "MANTAIN FL 120 INITIALLY SQUAWK 2301",
     "SID X SPEED 250/FL100"},
    {"Arrival", ClearanceSide::Arrival,
     "ABC123 /SOME AIR 123 RADAR CONTACT FLY DIRECT XYZ THEN XYZ1A STANDARD ARRIVAL DESCENT AND "
     "MANTAIN FL 70 ACCORDING TO THE MINIMA EXPECTED ILS APP RWY 25R/STAR XYZ1A XYZ FIX RWY 25R",
     "ABC123", true,
     "SOME AIR 123 RADAR CONTACT FLY DIRECT XYZ THEN XYZ1A STANDARD ARRIVAL DESCENT AND MANTAIN "
     "FL 70 ACCORDING TO THE MINIMA EXPECTED ILS APP RWY 25R",
     "STAR XYZ1A XYZ FIX RWY 25R"},
    {"ArrivalSlashInStarEntry", ClearanceSide::Arrival,
     "ABC123 /SOME AIR 123 RADAR CONTACT FLY DIRECT XY/Z THEN XYZ1A STANDARD ARRIVAL DESCENT AND "
     "MANTAIN FL 70 ACCORDING TO THE MINIMA EXPECTED ILS APP RWY 07 /STAR XYZ1A",
     "ABC123", true,
     "SOME AIR 123 RADAR CONTACT FLY DIRECT XY/Z THEN XYZ1A STANDARD ARRIVAL DESCENT AND MANTAIN "
     "FL 70 ACCORDING TO THE MINIMA EXPECTED ILS APP RWY 07 ",
     "STAR XYZ1A"},
    {"TheSpecExampleShape", ClearanceSide::Departure, "ABC12  /X/P", "ABC12", true, "X", "P"},
    {"NoProcedurePart", ClearanceSide::Departure, "ABC12  /X", "ABC12", true, "X", ""},
    {"EmptyProcedure", ClearanceSide::Departure, "ABC1234/X/", "ABC1234", true, "X", ""},
    {"ThreeLetterCallsign", ClearanceSide::Departure, "AB1    /X/P", "AB1", true, "X", "P"},
    {"LongCallsignStandsWhole", ClearanceSide::Departure, "ABCD1234/X/P", "ABCD1234", true, "X",
     "P"},
    {"LongCallsignNotByItsFirstSeven", ClearanceSide::Departure, "ABCD1234/X/P", "ABCD123", false,
     "", ""},
    {"ControlCharactersInTheCallsign", ClearanceSide::Departure, "AB?[2J /X/P", "AB\x1B[2J", true,
     "X", "P"},
    {"OtherAircraft", ClearanceSide::Departure, "ABC13  /X/P", "ABC12", false, "", ""},
    {"PrefixOfAnotherCallsign", ClearanceSide::Departure, "ABC123 /X/P", "ABC12", false, "", ""},
    {"NoSlashAtAll", ClearanceSide::Departure, "ABC12", "ABC12", false, "", ""},
    {"EmptyLine", ClearanceSide::Departure, "", "ABC12", false, "", ""},
};

INSTANTIATE_TEST_SUITE_P(Table, ClearanceLogParseTest, ::testing::ValuesIn(kParseCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ClearanceLogParseLimitTest, ProcedureTextIsCutAfter300CharactersAndTrimmed) {
    const std::string procedure = "  " + std::string(298, 'A') + "BCDEF  ";
    const auto entry =
        ClearanceLog::parse("ABC12  /X/" + procedure, "ABC12", ClearanceSide::Departure);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->procedure, std::string(298, 'A'));
}

class ClearanceLogFileTest : public test::ClearanceFixture {};

TEST_F(ClearanceLogFileTest, WritesTheDepartureRecordByteExactAndKeepsThePaddedCallsign) {
    state().SelectedDepartureCallsign = "ABC12";
    window().LblIfrSid.text = "X";
    window().txtSidAss.text = "P";
    ClearanceLog::write(context(), ClearanceSide::Departure);
    EXPECT_EQ(home.read("DATA/departure.txt"), "ABC12  /X/P\r\n");
    EXPECT_EQ(state().SelectedDepartureCallsign, "ABC12  ");

    state().SelectedDepartureCallsign = "AB1";
    window().LblIfrSid.text = "Y";
    window().txtSidAss.text = "";
    ClearanceLog::write(context(), ClearanceSide::Departure);
    EXPECT_EQ(home.read("DATA/departure.txt"), "ABC12  /X/P\r\nAB1    /Y/\r\n");
    EXPECT_FALSE(home.exists("DATA/arrival.txt"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ClearanceLogFileTest, WritesTheArrivalRecordToItsOwnLog) {
    state().SelectedArrivalCallsign = "ABC1234";
    window().lblIfrStar.text = "Z";
    window().txtStarAss.text = "STAR XYZ1A";
    ClearanceLog::write(context(), ClearanceSide::Arrival);
    EXPECT_EQ(home.read("DATA/arrival.txt"), "ABC1234/Z/STAR XYZ1A\r\n");
    EXPECT_FALSE(home.exists("DATA/departure.txt"));
}

TEST_F(ClearanceLogFileTest, ShowsTheLastWholeRecordOfTheAircraftWrittenInThisConnection) {
    home.write("DATA/departure.txt", "ABC12  /EARLIER RUN/P0\r\n");
    for (const auto& [callsign, clearance, procedure] :
         {std::array<const char*, 3>{"ABC12", "FIRST", "P1"},
          {"XYZ99", "OTHER", "P2"},
          {"ABC12", "SECOND", "P3"}}) {
        state().SelectedDepartureCallsign = callsign;
        window().LblIfrSid.text = clearance;
        window().txtSidAss.text = procedure;
        ClearanceLog::write(context(), ClearanceSide::Departure);
    }
    std::ofstream(home.file("DATA/departure.txt"), std::ios::app) << "ABC12  /BROKEN/P4";
    state().SelectedDepartureCallsign = "ABC12";
    ClearanceLog::show(context(), ClearanceSide::Departure);
    EXPECT_EQ(window().LblIfrSid.text, "SECOND");
    EXPECT_EQ(window().txtSidAss.text, "P3");
    state().SelectedDepartureCallsign = "XYZ99";
    ClearanceLog::show(context(), ClearanceSide::Departure);
    EXPECT_EQ(window().LblIfrSid.text, "OTHER");
    EXPECT_EQ(window().txtSidAss.text, "P2");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ClearanceLogFileTest, NoRecordLeavesTheFieldsAsTheyWere) {
    home.write("DATA/arrival.txt", "ABC12  /FIRST/P1\r\n");
    state().SelectedArrivalCallsign = "QQQ1";
    window().lblIfrStar.text = "shown";
    window().txtStarAss.text = "proc";
    ClearanceLog::show(context(), ClearanceSide::Arrival);
    EXPECT_EQ(window().lblIfrStar.text, "shown");
    EXPECT_EQ(window().txtStarAss.text, "proc");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ClearanceLogFileTest, AMissingDataFolderIsReportedAndNothingElseChanges) {
    std::filesystem::remove_all(home.file("DATA"));
    state().SelectedDepartureCallsign = "ABC12";
    window().LblIfrSid.text = "X";
    window().txtSidAss.text = "P";
    ClearanceLog::write(context(), ClearanceSide::Departure);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "PAY ATTENTION!!! THE DEPARTURE LOG " +
                                             home.file("DATA/departure.txt") +
                                             " CANNOT BE WRITTEN (PATH NOT FOUND). THE "
                                             "CLEARANCE IS NOT RECORDED");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(window().LblIfrSid.text, "X");
    EXPECT_EQ(window().txtSidAss.text, "P");

    ClearanceLog::show(context(), ClearanceSide::Departure);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, "PAY ATTENTION!!! THE DEPARTURE LOG " +
                                             home.file("DATA/departure.txt") +
                                             " CANNOT BE READ (PATH NOT FOUND)");
    EXPECT_EQ(window().LblIfrSid.text, "X");
}

TEST_F(ClearanceLogFileTest, AReadOnlyDataFolderIsReported) {
    if (test::permissionsIgnored()) {
        GTEST_SKIP() << "permissions do not bind the superuser, nor a folder on Windows";
    }
    ::chmod(home.file("DATA").c_str(), 0555);
    state().SelectedArrivalCallsign = "ABC12";
    window().lblIfrStar.text = "X";
    ClearanceLog::write(context(), ClearanceSide::Arrival);
    ::chmod(home.file("DATA").c_str(), 0755);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("THE ARRIVAL LOG"), std::string::npos);
    EXPECT_NE(platform.messages[0].text.find("(ACCESS DENIED)"), std::string::npos);
    EXPECT_EQ(window().lblIfrStar.text, "X");
}

TEST_F(ClearanceLogFileTest, AMissingLogIsReportedOnReadBack) {
    state().SelectedArrivalCallsign = "ABC12";
    window().lblIfrStar.text = "kept";
    ClearanceLog::show(context(), ClearanceSide::Arrival);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "PAY ATTENTION!!! THE ARRIVAL LOG " +
                                             home.file("DATA/arrival.txt") +
                                             " CANNOT BE READ (FILE NOT FOUND)");
    EXPECT_EQ(window().lblIfrStar.text, "kept");
}

}  // namespace
}  // namespace corvane
