// A seeded simulation is reproducible as the program sees it: the same seed and the same
// simulated time give the same connected window, however the time was reached.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "DemoHome.h"
#include "ScriptRunner.h"
#include "TrafficSimulator.h"

namespace corvane::test {
namespace {

using Json = nlohmann::json;

class SeededRunTest : public ::testing::Test {
protected:
    /// Runs `script` on the demo program folder; returns the dumps, one per line.
    std::string run(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out;
        std::ostringstream errors;
        ScriptRunner runner(demo.home.path(), out, errors);
        EXPECT_EQ(runner.run(in), ScriptRunner::kOk) << errors.str();
        return out.str();
    }

    /// The window after a connect on `snapshot` and a click on every aircraft of both traffic
    /// lists, one dump after each click.
    std::string connectedWindow(const std::string& snapshot) {
        demo.publish(snapshot);
        const std::string connect =
            "clock 16:20\nstart\ntype TxtOperatorName JANE DOE\nclick CmdExecute\n";
        const Json lists = Json::parse(run(connect + "dump\n"))["items"];
        std::string script = connect + "dump\nclick Command3(1)\n";
        for (std::size_t i = 0; i < lists["LstDeparture"].size(); ++i) {
            script += "select LstDeparture " + std::to_string(i) + "\ndump\n";
        }
        script += "click Command3(3)\n";
        for (std::size_t i = 0; i < lists["LstArrival"].size(); ++i) {
            script += "select LstArrival " + std::to_string(i) + "\ndump\n";
        }
        return run(script);
    }

    static std::string snapshotAt(std::uint64_t seed, double timeS) {
        sim::TrafficSimulator simulator(seed, 40);
        simulator.advance(timeS);
        return DemoHome::snapshotOf(simulator);
    }

    DemoHome demo;
};

TEST_F(SeededRunTest, SameSeedAndTimeGiveTheSameWindow) {
    const std::string first = connectedWindow(snapshotAt(11, 1800));

    // The same moment reached in the simulator's own 5-second steps.
    sim::TrafficSimulator stepped(11, 40);
    for (int step = 0; step < 360; ++step) {
        stepped.advance(5);
    }
    const std::string second = connectedWindow(DemoHome::snapshotOf(stepped));
    EXPECT_EQ(first, second);

    // The dumps carry the analyses, so the comparison above is about the traffic.
    std::istringstream dumps(first);
    std::size_t analysed = 0;
    for (std::string line; std::getline(dumps, line);) {
        const Json dump = Json::parse(line);
        EXPECT_EQ(dump["messages"], Json::array());
        analysed += dump["text"]["lblParam"] != "" || dump["text"]["lblParArr"] != "" ? 1 : 0;
    }
    EXPECT_GE(analysed, 20u);
}

TEST_F(SeededRunTest, AnotherTimeOrSeedGivesAnotherWindow) {
    const std::string reference = connectedWindow(snapshotAt(11, 1800));
    EXPECT_NE(connectedWindow(snapshotAt(11, 1830)), reference);
    EXPECT_NE(connectedWindow(snapshotAt(12, 1800)), reference);
}

}  // namespace
}  // namespace corvane::test
