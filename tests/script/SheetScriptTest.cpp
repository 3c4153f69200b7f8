#include <gtest/gtest.h>

#include "DriverSession.h"

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptPlatform.h"
#include "ScriptRunner.h"
#include "StateDump.h"
#include "app/MainWindowController.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

using Json = nlohmann::json;

class SheetScriptTest : public test::DriverSession {
protected:
};

TEST_F(SheetScriptTest, NoSheetAndNoKindAtStart) {
    ASSERT_EQ(run("start\ndump\n"), ScriptRunner::kOk);
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_EQ(dumps[0]["sheet"], nullptr);
    EXPECT_EQ(dumps[0]["state"]["FlightPlanKind"], nullptr);
}

TEST_F(SheetScriptTest, ClosingASheetThatIsNotOpenIsABadLine) {
    EXPECT_EQ(run("start\nclose-sheet\ndump\n"), ScriptRunner::kBadLine);
    EXPECT_EQ(errors, "line 2: the flight plan sheet is not open\n");
    EXPECT_TRUE(dumps.empty());
}

TEST_F(SheetScriptTest, DisabledShowButtonsOpenNoSheet) {
    ASSERT_EQ(run("start\nclick cmdFPDep\nclick cmdFPArr\ndump\n"), ScriptRunner::kOk);
    ASSERT_EQ(dumps.size(), 1u);
    EXPECT_EQ(dumps[0]["sheet"], nullptr);
    EXPECT_EQ(dumps[0]["state"]["FlightPlanKind"], nullptr);
}

// The driver's dump of an open sheet, on a window whose aircraft are set up directly.
class SheetDumpTest : public ::testing::Test {
protected:
    SheetDumpTest() : app(platform, home.path()) {
        home.write("DATA/.keep", "");
        app.start();
        ProgramState& s = app.state();
        s.SelectedDepartureCallsign = "DLH4AB  ";
        AnalysedPlan departure;
        departure.Callsign = "DLH4AB";
        departure.Record.AircraftType = "A320";
        departure.Record.Destination = "LIRF";
        departure.Level = "F360";
        s.DeparturePlan = departure;
        s.SelectedArrivalCallsign = "AZA790";
        AnalysedPlan arrival;
        arrival.Callsign = "AZA790";
        arrival.Record.AircraftType = "B738";
        arrival.Record.PilotInCommand = "MARIO ROSSI";
        arrival.DepAerodrome = "LIRF";
        s.ArrivalPlan = arrival;
        s.FlightPlan = departure.Record;
        app.window().cmdFPDep.enabled = true;
        app.window().cmdFPArr.enabled = true;
    }

    Json dump() const { return Json::parse(StateDump::make(app, platform).dump()); }

    test::TempFolder home;
    ScriptPlatform platform;
    MainWindowController app;
};

TEST_F(SheetDumpTest, OpenSheetIsDumpedLabelByLabelInFormOrder) {
    ASSERT_EQ(app.click("cmdFPDep"), ActionResult::Done);
    const auto ordered = StateDump::make(app, platform);
    std::vector<std::string> names;
    for (const auto& [name, text] : ordered["sheet"].items()) {
        names.push_back(name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"LblAircId",  "LblFR",    "LblTOF",   "LblNumber",
                                               "LblTO",      "LblWake",  "LblEquip", "LblDA",
                                               "LblTimeact", "LblCS",    "LblLevel", "lblRoute",
                                               "LblDEs",     "LblTotal", "lblAltn",  "Lbl2Altn",
                                               "lblOther",   "lblTime",  "LblPOB",   "LblPIC"}));
    const Json d = dump();
    EXPECT_EQ(d["sheet"]["LblAircId"], "DLH4AB  ");
    EXPECT_EQ(d["sheet"]["LblTO"], "A320");
    EXPECT_EQ(d["sheet"]["LblDEs"], "LIRF");
    EXPECT_EQ(d["sheet"]["LblLevel"], "F360");
    EXPECT_EQ(d["sheet"]["LblNumber"], "");
    EXPECT_EQ(d["sheet"]["LblPIC"], "");
    EXPECT_EQ(d["state"]["FlightPlanKind"], 0);
}

TEST_F(SheetDumpTest, ClosingEmptiesTheSheetMemberAndTheArrivalSheetShowsTheArrival) {
    app.click("cmdFPDep");
    ASSERT_EQ(app.closeSheet(), ActionResult::Done);
    Json d = dump();
    EXPECT_EQ(d["sheet"], nullptr);
    EXPECT_EQ(d["state"]["FlightPlanKind"], 1);

    app.click("cmdFPArr");
    d = dump();
    EXPECT_EQ(d["sheet"]["LblAircId"], "AZA790");
    EXPECT_EQ(d["sheet"]["LblTO"], "B738");
    EXPECT_EQ(d["sheet"]["LblDA"], "LIRF");
    EXPECT_EQ(d["sheet"]["LblPIC"], "MARIO ROSSI");
    EXPECT_EQ(d["sheet"]["LblDEs"], "");
    EXPECT_EQ(d["state"]["FlightPlanKind"], 1);
}

}  // namespace
}  // namespace corvane
