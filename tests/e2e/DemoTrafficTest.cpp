// The simulator's traffic in the program's window: a connect on it finds the demo station and
// lists the demo airport's traffic, and over a simulated hour each listed aircraft, clicked at
// every sample, shows every flight phase and parameter message without a single message box.

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "DemoHome.h"
#include "TrafficSimulator.h"
#include "app/MainWindowController.h"
#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotLine.h"
#include "support/FakePlatform.h"
#include "traffic/ParameterMessage.h"

namespace corvane::test {
namespace {

using Items = std::vector<std::string>;

TEST(DemoTraffic, EveryPhaseAndMessageOfTheListedAircraftWithinTheHour) {
    DemoHome demo;
    sim::TrafficSimulator simulator(1, 40);
    demo.publish(simulator);
    Items departures, arrivals;
    SnapshotLine f;
    std::istringstream lines(demo.home.read("radar/recent.dat"));
    for (std::string line; std::getline(lines, line);) {
        f.split(line);
        if (f.fieldIs(snapshot::DepAirport, "EDDF")) {
            departures.emplace_back(f.field(snapshot::Callsign));
        }
        if (f.fieldIs(snapshot::DestAirport, "EDDF")) {
            arrivals.emplace_back(f.field(snapshot::Callsign));
        }
    }

    FakePlatform platform;
    MainWindowController app(platform, demo.home.path());
    app.start();
    for (const char c : std::string("JANE DOE")) {
        app.keyPress("TxtOperatorName", static_cast<unsigned char>(c));
    }
    ASSERT_EQ(app.click("CmdExecute"), ActionResult::Done);
    const MainWindowModel& w = app.window();
    EXPECT_EQ(w.LblPositionName.text, "EDDF_APP");
    EXPECT_EQ(w.lblPosition.text, "APPROACH CONTROL");
    EXPECT_EQ(w.LblRating.text, "ADC : Aerodrome Controller");
    EXPECT_EQ(w.lblQNH.text, "1013");
    EXPECT_EQ(w.LblSquawk.text, "2301");
    EXPECT_GE(departures.size(), 10u);
    EXPECT_GE(arrivals.size(), 10u);
    EXPECT_EQ(w.LstDeparture.items, departures);
    EXPECT_EQ(w.LstArrival.items, arrivals);
    EXPECT_EQ(w.CmbTORwy.items, (Items{"07L", "07R", "07C", "25L", "25R", "25C", "18 "}));

    // Each aircraft is followed through the hour, so its sticky phase label carries its own
    // previous phase, as for a controller watching it.
    std::set<std::string> phases, departureMessages, arrivalMessages;
    const auto follow = [&](const char* list, std::size_t count, const Label& phase,
                            const Label& message, std::set<std::string>& messages) {
        for (std::size_t i = 0; i < count; ++i) {
            sim::TrafficSimulator hour(1, 40);
            for (double t = 0; t <= 3600; t += 30, hour.advance(30)) {
                demo.publish(hour);
                ASSERT_EQ(app.select(list, static_cast<int>(i)), ActionResult::Done);
                phases.insert(phase.text);
                messages.insert(message.text);
            }
        }
    };
    follow("LstDeparture", departures.size(), w.lblPosDep, w.lblParam, departureMessages);
    follow("LstArrival", arrivals.size(), w.lblPosArr, w.lblParArr, arrivalMessages);
    // Seven phases and the aircraft without a plan, which leaves the departure message empty;
    // every message but the problem one, which needs a line without altitude.
    EXPECT_TRUE(phases.contains("NO FLIGHT PLAN"));
    EXPECT_EQ(phases.size(), 8u);
    EXPECT_TRUE(departureMessages.contains(""));
    EXPECT_EQ(departureMessages.size(), 8u);
    EXPECT_EQ(arrivalMessages.size(), 6u);
    EXPECT_FALSE(departureMessages.contains(ParameterMessage::kProblem));
    EXPECT_FALSE(arrivalMessages.contains(ParameterMessage::kProblem));
    EXPECT_EQ(platform.messageTexts(), Items{});
}

}  // namespace
}  // namespace corvane::test
