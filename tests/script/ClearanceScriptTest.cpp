#include <gtest/gtest.h>

#include "DriverSession.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptRunner.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

using Json = nlohmann::json;

constexpr const char* kFirstDeparture =
    "SOME AIR 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABC1A STANDARD DEPARTURE CLIMB "
    "AND MANTAIN FL 120 INITIALLY SQUAWK 2302";
constexpr const char* kFirstProcedure =
    "SID ABC1A RNW 25L-------- RNW 25L TRK 249 FIX BBB-------- RNW 25L TRK 251 FIX DDD";
constexpr const char* kSecondDeparture =
    "OTHER AIR 345 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABCDEF STANDARD DEPARTURE "
    "CLIMB AND MANTAIN FL 120 INITIALLY SQUAWK 2305";
constexpr const char* kArrival =
    "SOME AIR 123 RADAR CONTACT FLY DIRECT XYZ THEN XYZ1A STANDARD ARRIVAL DESCENT AND MANTAIN "
    "FL 70 ACCORDING TO THE MINIMA EXPECTED ILS APP RWY 25R";
constexpr const char* kArrivalProcedure = "STAR XYZ1A XYZ FIX RWY 25R";

/// A driver session on the clearance test airport EDDT.
class ClearanceScriptTest : public test::DriverSession {
protected:
    ClearanceScriptTest() { useClearanceAirport(); }

    /// Connects as JANE DOE, then runs `session`.
    void connectAndRun(const std::string& session) {
        ASSERT_EQ(
            run("clock 14:45\nstart\ntype TxtOperatorName JANE DOE\nclick CmdExecute\n" + session),
            0)
            << errors;
    }

    static std::vector<std::string> items(const Json& dump, const char* list) {
        return dump["items"][list].get<std::vector<std::string>>();
    }
};

using Items = std::vector<std::string>;

TEST_F(ClearanceScriptTest, AWholeSessionOfClearancesReadBacksRemovalsAndReset) {
    ASSERT_NO_FATAL_FAILURE(connectAndRun(
        "click Command3(1)\n"
        "pick LstDeparture ABC12\npick CmbTORwy 25L\nselect CmbSid 1\ntype TxtInClimb 120\n"
        "click cmdSidGen\ndump\n"
        "pick LstDeparture XYZ345\nselect CmbSid 2\nclick cmdSidGen\ndump\n"
        "select List1 0\ndump\n"
        "answer no\nclick cmdRemoveDep\ndump\n"
        "answer yes\nclick cmdRemoveDep\ndump\n"
        "click Command3(3)\npick LstArrival ABC123\npick cmbLandRwy 25R\nselect List3 0\ndump\n"
        "select List4 0\nselect cmbStar 0\ntype txtDescend 70\nclick cmdStarGen\ndump\n"
        "select List2 0\ndump\n"));
    ASSERT_EQ(dumps.size(), 8u);

    // First departure: 2301 is squawked by another aircraft, so 2302 is given; 2303 and 2304
    // are squawked too, so the window offers 2305 next.
    const Json& first = dumps[0];
    EXPECT_EQ(first["text"]["LblIfrSid"], kFirstDeparture);
    EXPECT_EQ(first["text"]["txtSidAss"], kFirstProcedure);
    EXPECT_EQ(first["text"]["LblSquawk"], "2305");
    EXPECT_EQ(items(first, "List1"), (Items{"ABC12   - 2302"}));
    EXPECT_EQ(items(first, "LstDeparture"), (Items{"XYZ345"}));
    EXPECT_EQ(items(first, "CmbSid"), (Items{"ABCDE1", "ABC1A ", "ABCDEF"}));
    EXPECT_EQ(first["state"]["CallsignNumberLength"], 2);
    EXPECT_EQ(first["state"]["SelectedDepartureCallsign"], "ABC12  ");
    EXPECT_EQ(first["messages"], Json::array());

    const Json& second = dumps[1];
    EXPECT_EQ(second["text"]["LblIfrSid"], kSecondDeparture);
    EXPECT_EQ(second["text"]["txtSidAss"], "SID ABCDEF1X");
    EXPECT_EQ(second["text"]["LblSquawk"], "2306");
    EXPECT_EQ(items(second, "List1"), (Items{"ABC12   - 2302", "XYZ345  - 2305"}));
    EXPECT_EQ(items(second, "LstDeparture"), Items{});

    const Json& readBack = dumps[2];
    EXPECT_EQ(readBack["text"]["LblIfrSid"], kFirstDeparture);
    EXPECT_EQ(readBack["text"]["txtSidAss"], kFirstProcedure);
    EXPECT_EQ(readBack["state"]["SelectedDepartureCallsign"], "ABC12");
    EXPECT_EQ(readBack["enabled"]["cmdRemoveDep"], true);
    EXPECT_EQ(readBack["enabled"]["cmdFPDep"], true);

    const Json& keptOnNo = dumps[3];
    EXPECT_EQ(items(keptOnNo, "List1"), (Items{"ABC12   - 2302", "XYZ345  - 2305"}));
    EXPECT_EQ(keptOnNo["enabled"]["cmdRemoveDep"], true);
    EXPECT_EQ(keptOnNo["messages"].back(), (Json{{"text", "ARE YOU SURE ?"},
                                                 {"title", "REMOVE AIRCRAFT"},
                                                 {"icon", "question"},
                                                 {"buttons", "yesno"}}));

    const Json& removed = dumps[4];
    EXPECT_EQ(items(removed, "List1"), (Items{"XYZ345  - 2305"}));
    EXPECT_EQ(removed["enabled"]["cmdRemoveDep"], false);
    EXPECT_EQ(removed["enabled"]["cmdFPDep"], false);
    EXPECT_EQ(removed["messages"].size(), 2u);

    const Json& approaches = dumps[5];
    EXPECT_EQ(items(approaches, "cmbStar"), (Items{"XYZ1A ", "QRS2B"}));
    EXPECT_EQ(items(approaches, "List3"), (Items{"ILS25R ", "RNAV25R"}));
    EXPECT_EQ(items(approaches, "List4"), (Items{"ILS25R FINAL 3000 FT", "RNAV25R"}));
    EXPECT_EQ(approaches["visible"]["fraILS"], true);

    const Json& arrival = dumps[6];
    EXPECT_EQ(arrival["visible"]["fraILS"], false);
    EXPECT_EQ(arrival["text"]["lblExpStar"], "XYZ");
    EXPECT_EQ(arrival["text"]["lblIfrStar"], kArrival);
    EXPECT_EQ(arrival["text"]["txtStarAss"], kArrivalProcedure);
    EXPECT_EQ(arrival["text"]["LblSquawk"], "2306");
    EXPECT_EQ(items(arrival, "List2"), (Items{"ABC123  - 4521"}));
    EXPECT_EQ(items(arrival, "LstArrival"), Items{});

    const Json& arrivalReadBack = dumps[7];
    EXPECT_EQ(arrivalReadBack["state"]["SelectedArrivalCallsign"], "ABC123");
    EXPECT_EQ(arrivalReadBack["text"]["lblIfrStar"], kArrival);
    EXPECT_EQ(arrivalReadBack["enabled"]["cmdRemoveArr"], true);

    EXPECT_EQ(home.read("DATA/departure.txt"), std::string("ABC12  /") + kFirstDeparture + "/" +
                                                   kFirstProcedure + "\r\nXYZ345 /" +
                                                   kSecondDeparture + "/SID ABCDEF1X\r\n");
    EXPECT_EQ(home.read("DATA/arrival.txt"),
              std::string("ABC123 /") + kArrival + "/" + kArrivalProcedure + "\r\n");
}

TEST_F(ClearanceScriptTest, AResetDeletesTheLogsAndFreesTheCodesForTheNextConnect) {
    ASSERT_NO_FATAL_FAILURE(connectAndRun(
        "pick LstDeparture ABC12\npick CmbTORwy 25L\nselect CmbSid 1\ntype TxtInClimb 120\n"
        "click cmdSidGen\nclick Command3(7)\ndump\n"
        "type TxtOperatorName JANE DOE\nclick CmdExecute\n"
        "pick LstDeparture ABC12\npick CmbTORwy 25L\nselect CmbSid 1\ntype TxtInClimb 120\n"
        "click cmdSidGen\ndump\n"));
    ASSERT_EQ(dumps.size(), 2u);
    const Json& reset = dumps[0];
    EXPECT_EQ(items(reset, "List1"), Items{});
    EXPECT_EQ(items(reset, "CmbSid"), Items{});
    EXPECT_EQ(reset["text"]["LblSquawk"], "");

    const Json& again = dumps[1];
    EXPECT_EQ(items(again, "List1"), (Items{"ABC12   - 2302"}));
    EXPECT_EQ(again["text"]["LblIfrSid"], kFirstDeparture);
    EXPECT_EQ(home.read("DATA/departure.txt"),
              std::string("ABC12  /") + kFirstDeparture + "/" + kFirstProcedure + "\r\n");
}

TEST_F(ClearanceScriptTest, APastedClimbIsSpokenAsAFlightLevel) {
    ASSERT_NO_FATAL_FAILURE(connectAndRun(
        "pick LstDeparture ABC12\npick CmbTORwy 25L\nselect CmbSid 1\ntype TxtInClimb 120\n"
        "paste TxtInClimb 80\nclick cmdSidGen\ndump\n"));
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_NE(dumps[0]["text"]["LblIfrSid"].get<std::string>().find("MANTAIN FL 80 INITIALLY"),
              std::string::npos);
}

TEST_F(ClearanceScriptTest, AnAircraftGoneFromTheRewrittenSnapshotGetsNoOtherAircraftsPlan) {
    // XYZ345 flies to KJFK; ABC12 (to LIRF) is analysed first, then XYZ345 disconnects.
    std::string snapshot = home.read("radar/recent.dat");
    const std::size_t line = snapshot.find("XYZ345:");
    const std::size_t end = snapshot.find('\n', line) + 1;
    const std::string gone = snapshot.substr(line, end - line);
    home.write("radar/recent.dat", snapshot.substr(0, line) + "XYZ345" +
                                       gone.substr(6, gone.find(":LIRF:") - 6) + ":KJFK" +
                                       gone.substr(gone.find(":LIRF:") + 5) + snapshot.substr(end));
    std::ostringstream out;
    std::ostringstream err;
    ScriptRunner runner(home.path(), out, err);
    std::istringstream before(
        "start\ntype TxtOperatorName JANE DOE\nclick CmdExecute\n"
        "pick LstDeparture ABC12\n");
    ASSERT_EQ(runner.run(before), 0) << err.str();
    home.write("radar/recent.dat", snapshot.erase(line, end - line));
    std::istringstream after(
        "pick LstDeparture XYZ345\npick CmbTORwy 25L\nselect CmbSid 1\n"
        "type TxtInClimb 120\nclick cmdSidGen\ndump\n");
    ASSERT_EQ(runner.run(after), 0) << err.str();
    const Json dump = Json::parse(out.str());
    EXPECT_EQ(dump["messages"][0]["text"],
              "PAY ATTENTION!!! AIRCRAFT XYZ345 NOT FOUND IN THE TRAFFIC FILE. ITS DATA HAS BEEN "
              "CLEARED");
    EXPECT_EQ(dump["messages"][1]["text"],
              "PAY ATTENTION!!! NO ANALYSED AIRCRAFT XYZ345: NO CLEARANCE IS GIVEN. CLICK ON ITS "
              "CALLSIGN AGAIN WHEN IT IS IN THE TRAFFIC FILE");
    EXPECT_EQ(dump["messages"][1]["title"], "NO ANALYSED AIRCRAFT");
    EXPECT_EQ(dump["messages"].size(), 2u);
    for (const char* field : {"Label1(13)", "LblFiledAlt", "lblCurrentAlt", "LblIfrSid"}) {
        EXPECT_EQ(dump["text"][field], "") << field;
    }
    EXPECT_EQ(items(dump, "List1"), Items{});
    EXPECT_EQ(items(dump, "LstDeparture"), (Items{"ABC12", "XYZ345"}));
    EXPECT_EQ(dump["text"]["LblSquawk"], "2301");
}

}  // namespace
}  // namespace corvane
