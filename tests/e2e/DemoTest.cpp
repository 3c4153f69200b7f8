// The demo as a user runs it: corvane-sim writes one snapshot, corvane-script connects to it and
// issues a clearance on each side with the bundled procedures. And the simulator's traffic in
// the program's window: a connect on it finds the demo station and lists the demo airport's
// traffic, and over a simulated hour each listed aircraft, clicked at every sample, shows every
// flight phase and parameter message without a single message box.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TrafficSimulator.h"
#include "app/MainWindowController.h"
#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotLine.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"
#include "traffic/ParameterMessage.h"
#include "window/ShownText.h"

namespace corvane::test {
namespace {

/// A program folder set up the way the demo sets one up: the bundled DATA files, settings that
/// point at a snapshot in a "radar" folder beside them and at the bundled procedure files.
class DemoHome {
public:
    DemoHome() {
        const std::filesystem::path data = CORVANE_DEMO_DATA;
        for (const char* name : {"DATA/ssr_code.txt", "DATA/airlines.dat"}) {
            home.write(name, readFileBytes((data / name).string()));
        }
        home.write("DATA/dirRecent.txt", snapshotPath() + "\r\n");
        home.write("DATA/dirSidStar.txt", (data / "SIDSTARS").string() + "\r\n");
        home.write("radar/recent.dat", "");
    }

    /// Where the radar client (here: the simulator) keeps the snapshot.
    std::string snapshotPath() const { return home.file("radar/recent.dat"); }

    /// Replaces the snapshot with what `simulator` shows now, as the radar client rewrites it.
    void publish(const sim::TrafficSimulator& simulator) const {
        std::ostringstream out;
        simulator.writeSnapshot(out);
        home.write("radar/recent.dat", out.str());
    }

    TempFolder home;
};

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
    EXPECT_EQ(runCommand(quoted(CORVANE_SIM_EXE) + " --once --out /dev/null 2> /dev/null"), 2);
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
        "BRITISH AIRWAYS 906 RADAR CONTACT FLY DIRECT UNOKO THEN KERAX2 STANDARD ARRIVAL "
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
    EXPECT_EQ(w.topStrip.callsign.text, "EDDF_APP");
    EXPECT_EQ(w.atis.positionTitle.text, "APPROACH CONTROL");
    EXPECT_EQ(w.topStrip.rating.text, "ADC : Aerodrome Controller");
    EXPECT_EQ(w.topStrip.qnh.text, "1013");
    EXPECT_EQ(w.departure.nextCode.text, "2301");
    EXPECT_GE(departures.size(), 10u);
    EXPECT_GE(arrivals.size(), 10u);
    EXPECT_EQ(w.departure.traffic.items, departures);
    EXPECT_EQ(w.arrival.traffic.items, arrivals);
    EXPECT_EQ(w.departure.runway.items, (Items{"07L", "07R", "07C", "25L", "25R", "25C", "18 "}));

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
                phases.insert(shownText(phase.text));
                messages.insert(shownText(message.text));
            }
        }
    };
    follow("LstDeparture", departures.size(), w.departure.phase, w.departure.message,
           departureMessages);
    follow("LstArrival", arrivals.size(), w.arrival.phase, w.arrival.message, arrivalMessages);
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
