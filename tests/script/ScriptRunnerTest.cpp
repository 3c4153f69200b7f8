#include <gtest/gtest.h>

#include "DriverSession.h"

#include <nlohmann/json.hpp>
#include <sstream>

#include "ScriptRunner.h"
#include "platform/NativePath.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

using Json = nlohmann::json;

class ScriptRunnerTest : public test::DriverSession {
protected:
};

TEST_F(ScriptRunnerTest, DumpHasEveryMemberOfTheContract) {
    ASSERT_EQ(run("start\ndump\n"), 0);
    ASSERT_EQ(dumps.size(), 1u);
    const Json& d = dumps[0];
    for (const char* member :
         {"running", "window", "focus", "text", "items", "selected", "enabled", "visible", "back",
          "font", "timers", "state", "flightPlan", "sheet", "messages"}) {
        EXPECT_TRUE(d.contains(member)) << member;
    }
    EXPECT_EQ(d["window"], (Json{{"caption", "APPROACH CORVANE"},
                                 {"layout", "collapsed"},
                                 {"left", 0},
                                 {"top", 0},
                                 {"width", 19360},
                                 {"height", 1530},
                                 {"topmost", true}}));
    EXPECT_EQ(d["focus"], "TxtOperatorName");
    EXPECT_TRUE(d["text"].contains("Label1(11)"));
    EXPECT_TRUE(d["text"].contains("Label1(13)"));
    EXPECT_TRUE(d["text"].contains("CmbTORwy"));
    EXPECT_TRUE(d["text"].contains("txtInfoPos"));
    EXPECT_FALSE(d["text"].contains("CmdExecute"));
    EXPECT_EQ(d["items"].size(), 12u);
    EXPECT_EQ(d["selected"]["LstDeparture"], -1);
    EXPECT_EQ(d["enabled"]["Command3(8)"], true);
    EXPECT_EQ(d["enabled"]["Command3(0)"], false);
    EXPECT_EQ(d["enabled"]["cmdFPDep"], false);
    EXPECT_TRUE(d["enabled"].contains("TxtInClimb"));
    EXPECT_TRUE(d["enabled"].contains("cmbStar"));
    EXPECT_EQ(d["visible"], (Json{{"FraMetar", false},
                                  {"FraSid", false},
                                  {"FraStar", false},
                                  {"fraILS", false},
                                  {"lblParam", true},
                                  {"lblParArr", true}}));
    EXPECT_EQ(d["back"]["lblParam"], 65535);
    EXPECT_EQ(d["timers"], (Json{{"Timer1", false}, {"Timer2", false}}));
    EXPECT_EQ(d["state"]["FlightPlanKind"], nullptr);
    EXPECT_EQ(d["state"]["FolderSelector"], 0);
    EXPECT_EQ(d["state"]["DistanceToGo"], 0);
    EXPECT_EQ(d["sheet"], nullptr);
    EXPECT_EQ(d["messages"], Json::array());
    EXPECT_EQ(d["flightPlan"].size(), 18u);
}

TEST_F(ScriptRunnerTest, TypingAndNavigationShowInTheDump) {
    ASSERT_EQ(run("start\ntype TxtOperatorName jane doe\nkey TxtOperatorName 8\ndump\n"), 0);
    EXPECT_EQ(dumps[0]["text"]["TxtOperatorName"], "JANE DO");
    EXPECT_EQ(dumps[0]["enabled"]["CmdExecute"], true);
}

TEST_F(ScriptRunnerTest, FolderChoiceAndExitWithQueuedAnswers) {
    const std::string script =
        "start\nfolder /radar/data\nclick Command3(6)\nanswer no\nclick Command3(8)\ndump\n"
        "answer yes\nclick Command3(8)\ndump\n";
    ASSERT_EQ(run(script), 0);
    EXPECT_EQ(home.read("DATA/dirRecent.txt"),
              "/radar/data" + std::string(1, kPathSeparator) + "recent.dat\r\n");
    EXPECT_EQ(dumps[0]["running"], true);
    EXPECT_EQ(dumps[0]["state"]["SnapshotPath"],
              "/radar/data" + std::string(1, kPathSeparator) + "recent.dat");
    EXPECT_EQ(dumps[1]["running"], false);
    EXPECT_EQ(dumps[1]["messages"].size(), 2u);
    EXPECT_EQ(dumps[1]["messages"][0], (Json{{"text", "ARE YOU SURE ?"},
                                             {"title", "EXIT"},
                                             {"icon", "question"},
                                             {"buttons", "yesno"}}));
}

TEST_F(ScriptRunnerTest, AnUnansweredQuestionEndsWithThree) {
    EXPECT_EQ(run("start\nclick Command3(8)\ndump\n"), 3);
    EXPECT_EQ(errors, "line 2: a Yes/No message box appeared with no answer queued\n");
    EXPECT_TRUE(dumps.empty());
}

struct BadLineCase {
    const char* script;
    const char* error;
};

class BadLines : public ScriptRunnerTest, public ::testing::WithParamInterface<BadLineCase> {};

TEST_P(BadLines, StopTheScriptWithTwo) {
    EXPECT_EQ(run(GetParam().script), 2);
    EXPECT_EQ(errors, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, BadLines,
    ::testing::Values(
        BadLineCase{"launch\n", "line 1: the main window is not created yet (use start)\n"},
        BadLineCase{"start\n\n# comment\nfly away\n", "line 4: unknown command fly\n"},
        BadLineCase{"start\nclick Command3(2)\n", "line 2: unknown control Command3(2)\n"},
        BadLineCase{"start\nselect CmbSid 0\n", "line 2: CmbSid has no item 0\n"},
        BadLineCase{"start\npick CmbSid ABC1A\n", "line 2: CmbSid has no item \"ABC1A\"\n"},
        BadLineCase{"start\ntype lblQNH 1013\n", "line 2: lblQNH does not take typed keys\n"},
        BadLineCase{"clock 25:00\n", "line 1: clock needs a time HH:MM\n"},
        BadLineCase{"answer maybe\n", "line 1: answer needs yes or no\n"},
        BadLineCase{"start\nstart\n", "line 2: the main window already exists\n"},
        BadLineCase{"start\nclose-sheet\n", "line 2: the flight plan sheet is not open\n"},
        BadLineCase{"start\nanswer yes\nclose-window\ndump\nclick Command3(0)\n",
                    "line 5: the program has ended\n"},
        BadLineCase{"screen 800 600\nstart\nactivate\n", "line 3: the program has ended\n"}));

TEST_F(ScriptRunnerTest, NothingAfterABadLineRuns) {
    EXPECT_EQ(run("start\nbogus\ndump\n"), 2);
    EXPECT_TRUE(dumps.empty());
}

TEST_F(ScriptRunnerTest, TickTogglesAnEnabledTimerOnly) {
    ASSERT_EQ(run("start\ntick Timer1 3\ndump\n"), 0);
    EXPECT_EQ(dumps[0]["visible"]["lblParam"], true);
}

}  // namespace
}  // namespace corvane
