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
