#include <gtest/gtest.h>

#include "DriverSession.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ScriptRunner.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

using Json = nlohmann::json;

/// A program folder whose settings point at the traffic monitor's test snapshot (the station
/// EDDF_APP of JANE DOE, the departure DLH4AB and the arrival AZA123) and procedure folder.
class TrafficScriptTest : public test::DriverSession {
protected:
    TrafficScriptTest() {
        const std::filesystem::path data = std::filesystem::path(CORVANE_TEST_DATA) / "traffic";
        home.write("radar/recent.dat", slurp(data / "recent.dat"));
        home.write("SIDSTARS/EDDF.txt", slurp(data / "EDDF.txt"));
        home.write("DATA/ssr_code.txt", slurp(data / "ssr_code.txt"));
        home.write("DATA/airlines.dat", slurp(data / "airlines.dat"));
        home.write("DATA/dirRecent.txt", home.file("radar/recent.dat") + "\r\n");
        home.write("DATA/dirSidStar.txt", home.file("SIDSTARS") + "\r\n");
    }

    /// Runs `selection` after a connect as JANE DOE.
    void connectAndRun(const std::string& selection) {
        const std::string connect =
            "clock 14:45\nstart\ntype TxtOperatorName JANE DOE\nclick CmdExecute\n";
        ASSERT_EQ(run(connect + selection), 0) << errors;
    }

    std::size_t messagesContaining(const Json& dump, const std::string& text) {
        std::size_t count = 0;
        for (const Json& message : dump["messages"]) {
            count += message["text"].get<std::string>().find(text) != std::string::npos ? 1 : 0;
        }
        return count;
    }
};

TEST_F(TrafficScriptTest, DepartureSelectionShowsTheAnalysis) {
    ASSERT_NO_FATAL_FAILURE(connectAndRun("click Command3(1)\npick LstDeparture DLH4AB\ndump\n"));
    ASSERT_EQ(dumps.size(), 1u);
    const Json& d = dumps[0];
    EXPECT_EQ(d["state"]["SelectedDepartureCallsign"], "DLH4AB");
    EXPECT_EQ(d["state"]["DistanceToGo"], 600);
    const Json& text = d["text"];
    EXPECT_EQ(text["lblCompanyDep"], "Lufthansa");
    EXPECT_EQ(text["Label1(11)"], "EDDF");
    EXPECT_EQ(text["Label1(13)"], "LIRF");
    EXPECT_EQ(text["LblFiledAlt"], "360");
    EXPECT_EQ(text["LblFiledTas"], "450");
    EXPECT_EQ(text["LblDistanceFP"], "600");
    EXPECT_EQ(text["lblRemainNm"], "600");
    EXPECT_EQ(text["LblEndDepHr"], "01");
    EXPECT_EQ(text["lblEndDepMn"], "53");
    EXPECT_EQ(text["lblPosDep"], "ON THE GROUND");
    EXPECT_EQ(text["LblExpSid"], "ANEKI1L");
    EXPECT_EQ(text["lblCtrDep"], "EDGG");
    EXPECT_EQ(text["lblParam"], "N O R M A L");
    EXPECT_EQ(d["font"]["lblParam"], 22);
    EXPECT_EQ(d["back"]["lblParam"], 65535);
    EXPECT_EQ(d["timers"]["Timer1"], false);
    EXPECT_EQ(d["enabled"]["cmdFPDep"], true);
    EXPECT_EQ(d["enabled"]["cmdSidGen"], true);
    EXPECT_EQ(d["flightPlan"]["DepAerodrome"], "EDDF");
    EXPECT_EQ(d["flightPlan"]["Level"], "360");
    EXPECT_EQ(d["flightPlan"]["CruiseSpeed"], "450");
    EXPECT_EQ(d["flightPlan"]["WakeCategory"], "M");
    EXPECT_EQ(d["flightPlan"]["Equipment"], "SDFGRWY/S");
    EXPECT_EQ(d["flightPlan"]["DepTime"], "09:30");
    EXPECT_EQ(messagesContaining(d, "PAY ATTENTION"), 0u);
}

TEST_F(TrafficScriptTest, ArrivalSelectionShowsTheEtaOnTheFixedClock) {
    ASSERT_NO_FATAL_FAILURE(connectAndRun("click Command3(3)\npick LstArrival AZA123\ndump\n"));
    ASSERT_EQ(dumps.size(), 1u);
    const Json& d = dumps[0];
    const Json& text = d["text"];
    EXPECT_EQ(d["state"]["SelectedArrivalCallsign"], "AZA123");
    EXPECT_EQ(d["state"]["DistanceToGo"], 158);
    EXPECT_EQ(text["lblCompanyArr"], "Alitalia");
    EXPECT_EQ(text["lblCallSign"], "EDDF");
    EXPECT_EQ(text["lblDistanceArr"], "158");
    EXPECT_EQ(text["lblEndArrHr"], "00");
    EXPECT_EQ(text["lblEndArrMn"], "30");
    EXPECT_EQ(text["lblEAThR"], "15");
    EXPECT_EQ(text["lblEATmn"], "15");
    EXPECT_EQ(text["lblSqAss"], "4721");
    EXPECT_EQ(text["lblExpStar"], "ROLIS1A");
    EXPECT_EQ(text["lblPosArr"], "CLIMBING");
    EXPECT_EQ(text["lblParArr"], "OUTSIDE RADAR COVERTURE");
    EXPECT_EQ(d["font"]["lblParArr"], 13);
    EXPECT_EQ(d["back"]["lblParArr"], 255);
    EXPECT_EQ(d["timers"]["Timer2"], true);
    EXPECT_EQ(d["enabled"]["cmdFPArr"], true);
    EXPECT_EQ(d["flightPlan"]["DepAerodrome"], "LIRF");
    EXPECT_EQ(d["flightPlan"]["PilotInCommand"], "Mario Rossi");
}

TEST_F(TrafficScriptTest, WarningBlinksUntilTheNextSelection) {
    ASSERT_NO_FATAL_FAILURE(connectAndRun(
        "click Command3(3)\npick LstArrival AZA123\ntick Timer2 3\ndump\npick LstArrival "
        "AZA123\ndump\n"));
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(dumps[0]["visible"]["lblParArr"], false);
    EXPECT_EQ(dumps[1]["visible"]["lblParArr"], true);
}

TEST_F(TrafficScriptTest, MissingAirlineTableIsReportedOnce) {
    std::filesystem::remove(home.file("DATA/airlines.dat"));
    ASSERT_NO_FATAL_FAILURE(connectAndRun(
        "click Command3(1)\npick LstDeparture DLH4AB\nclick Command3(3)\npick LstArrival "
        "AZA123\npick LstDeparture DLH4AB\ndump\n"));
    const Json& d = dumps.at(0);
    EXPECT_EQ(d["text"]["lblCompanyDep"], "UNKNOWN");
    EXPECT_EQ(d["text"]["lblCompanyArr"], "UNKNOWN");
    EXPECT_EQ(messagesContaining(d, "THE AIRLINE TABLE"), 1u);
    EXPECT_EQ(d["text"]["lblPosDep"], "ON THE GROUND");
}

TEST_F(TrafficScriptTest, NoFlightPlanLeavesTheMessageEmpty) {
    ASSERT_NO_FATAL_FAILURE(connectAndRun("click Command3(1)\npick LstDeparture CFG9NF\ndump\n"));
    const Json& d = dumps.at(0);
    EXPECT_EQ(d["text"]["lblPosDep"], "NO FLIGHT PLAN");
    EXPECT_EQ(d["text"]["lblParam"], "");
    EXPECT_EQ(d["font"]["lblParam"], 16);
    EXPECT_EQ(d["flightPlan"]["WakeCategory"], "H");
}

}  // namespace
}  // namespace corvane
