// The records' bytes and the failures to write or read a log are driver sessions
// (tests/data/script/clearance/WholeSession..., LogsThatCannot...); these need a log or a
// folder prepared by hand.

#include "clearance/ClearanceLog.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "ClearanceFixture.h"

namespace corvane {
namespace {

TEST(ClearanceLogParseLimitTest, ProcedureTextIsCutAfter300CharactersAndTrimmed) {
    const std::string procedure = "  " + std::string(298, 'A') + "BCDEF  ";
    const auto entry =
        ClearanceLog::parse("ABC12  /X/" + procedure, "ABC12", ClearanceSide::Departure);
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->procedure, std::string(298, 'A'));
}

class ClearanceLogFileTest : public test::ClearanceFixture {
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
