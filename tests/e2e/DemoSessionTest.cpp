// The demo as a user runs it: corvane-sim writes one snapshot, corvane-script connects to it and
// issues a clearance on each side with the bundled procedures.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "DemoHome.h"

namespace corvane::test {
namespace {

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

int runCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(DemoSession, TheDriverClearsTrafficOfTheSimulatorsSnapshot) {
    DemoHome demo;
    ASSERT_EQ(runCommand(quoted(CORVANE_SIM_EXE) + " --once --seed 3 --at 1200 --out " +
                         quoted(demo.snapshotPath())),
              0);
    // DLH1402 leaves for EPWA, BAW906 comes from EGLL.
    demo.home.write("session.txt",
                    "clock 09:15\nstart\ntype TxtOperatorName JANE DOE\nclick CmdExecute\n"
                    "click Command3(1)\npick LstDeparture DLH1402\npick CmbTORwy 25C\n"
                    "select CmbSid 0\ntype TxtInClimb 50\nclick cmdSidGen\n"
                    "click Command3(3)\npick LstArrival BAW906\npick cmbLandRwy 25L\n"
                    "select cmbStar 0\ntype txtDescend 70\nclick cmdStarGen\ndump\n");
    ASSERT_EQ(runCommand(quoted(CORVANE_SCRIPT_EXE) + " --home " + quoted(demo.home.path()) + " " +
                         quoted(demo.home.file("session.txt")) + " > " +
                         quoted(demo.home.file("dump.json")) + " 2> " +
                         quoted(demo.home.file("errors.txt"))),
              0)
        << demo.home.read("errors.txt");
    const nlohmann::json dump = nlohmann::json::parse(demo.home.read("dump.json"));
    EXPECT_EQ(dump["text"]["LblPositionName"], "EDDF_APP");
    EXPECT_EQ(dump["messages"], nlohmann::json::array());

    // The SID's own runway line only, none of the later SIDs' lines of that runway.
    const std::string departure =
        "LUFTHANSA 1402 CLEAR TO DEST EPWA AS FLIGHT PLANNED ROUTE VIA ANEKI1 STANDARD "
        "DEPARTURE CLIMB AND MANTAIN FL 50 INITIALLY SQUAWK 2301";
    const std::string sid =
        "SID ANEKI1-------- RNW 25C TRK 249 UNTIL 1500 FIX DF155 FIX DF157 AT OR ABOVE 4000 "
        "FIX ANEKI";
    const std::string arrival =
        "BRITISH AIRWAYS 906 RADAR CONTACT FLY DIRECT UNOKO2 THEN KERAX2 STANDARD ARRIVAL "
        "DESCENT AND MANTAIN FL 70 ACCORDING TO THE MINIMA EXPECTED ILS APP RWY 25L";
    const std::string star =
        "STAR KERAX2 FIX KERAX AT OR ABOVE FL110 FIX DF501 FIX DF503 SPEED 220 FIX DF505";
    EXPECT_EQ(dump["text"]["LblIfrSid"], departure);
    EXPECT_EQ(dump["text"]["txtSidAss"], sid);
    EXPECT_EQ(dump["text"]["lblIfrStar"], arrival);
    EXPECT_EQ(dump["text"]["txtStarAss"], star);
    EXPECT_EQ(demo.home.read("DATA/departure.txt"), "DLH1402/" + departure + "/" + sid + "\r\n");
    EXPECT_EQ(demo.home.read("DATA/arrival.txt"), "BAW906 /" + arrival + "/" + star + "\r\n");
}

}  // namespace
}  // namespace corvane::test
