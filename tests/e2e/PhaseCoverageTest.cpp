// Over a simulated hour the demo traffic shows every flight phase and every parameter message,
// as the program itself classifies them: one connected window, each aircraft of both traffic
// lists clicked at every sampled moment.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "DemoHome.h"
#include "DemoStation.h"
#include "TrafficSimulator.h"
#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"

namespace corvane::test {
namespace {

using Texts = std::set<std::string>;

constexpr const char* kProblem = "P R O B L E M -  don't use aircraft";

/// One side of the window: its traffic list, the snapshot field that puts an aircraft on it,
/// and the labels its analysis writes.
struct Side {
    const char* list;
    snapshot::Field aerodrome;
    Label MainWindowModel::*phase;
    Label MainWindowModel::*message;
};

const Side kDeparture{"LstDeparture", snapshot::DepAirport, &MainWindowModel::lblPosDep,
                      &MainWindowModel::lblParam};
const Side kArrival{"LstArrival", snapshot::DestAirport, &MainWindowModel::lblPosArr,
                    &MainWindowModel::lblParArr};

/// What the window showed over the samples.
struct Shown {
    Texts phases;
    Texts departureMessages;
    Texts arrivalMessages;
    int reconnects = 0;
};

class PhaseCoverageTest : public ::testing::Test {
protected:
    static constexpr double kHourS = 3600;
    static constexpr double kStepS = 30;

    /// The snapshots of seed `seed` every kStepS seconds over the hour.
    static std::vector<std::string> snapshotsOfAnHour(std::uint64_t seed) {
        sim::TrafficSimulator simulator(seed, 40);
        std::vector<std::string> snapshots;
        for (double t = 0; t <= kHourS; t += kStepS) {
            snapshots.push_back(DemoHome::snapshotOf(simulator));
            simulator.advance(kStepS);
        }
        return snapshots;
    }

    /// Callsigns on `side` of each snapshot, in file order.
    static std::vector<std::vector<std::string>> trafficOf(const std::vector<std::string>& all,
                                                           const Side& side) {
        std::vector<std::vector<std::string>> traffic;
        SnapshotLine f;
        for (const std::string& snapshot : all) {
            auto& callsigns = traffic.emplace_back();
            std::size_t begin = 0;
            for (std::size_t end; (end = snapshot.find("\r\n", begin)) != std::string::npos;
                 begin = end + 2) {
                f.split(std::string_view(snapshot).substr(begin, end - begin));
                if (f.fieldIs(side.aerodrome, "EDDF")) {
                    callsigns.emplace_back(f.field(snapshot::Callsign));
                }
            }
        }
        return traffic;
    }

    // Follows each aircraft of `side` through the hour: it is clicked at every sample in turn,
    // so the sticky phase label carries its own previous phase, as for a controller watching
    // that aircraft. An aircraft that the connected list lacks needs a new connect.
    void follow(const Side& side, const std::vector<std::string>& snapshots, Texts& messages) {
        const auto traffic = trafficOf(snapshots, side);
        std::vector<std::string> callsigns;
        for (const auto& at : traffic) {
            for (const std::string& c : at) {
                if (std::find(callsigns.begin(), callsigns.end(), c) == callsigns.end()) {
                    callsigns.push_back(c);
                }
            }
        }
        MainWindowModel& w = station.window();
        for (const std::string& callsign : callsigns) {
            for (std::size_t i = 0; i < snapshots.size(); ++i) {
                const auto& at = traffic[i];
                if (std::find(at.begin(), at.end(), callsign) == at.end()) {
                    continue;
                }
                demo.publish(snapshots[i]);
                if (!station.click(side.list, callsign)) {
                    station.reconnect();
                    ++shown.reconnects;
                    ASSERT_TRUE(station.click(side.list, callsign)) << callsign;
                }
                shown.phases.insert((w.*side.phase).text);
                messages.insert((w.*side.message).text);
            }
        }
    }

    DemoHome demo;
    DemoStation station{demo};
    Shown shown;
};

TEST_F(PhaseCoverageTest, EveryPhaseAndMessageWithinTheHour) {
    const auto snapshots = snapshotsOfAnHour(1);
    demo.publish(snapshots.front());
    station.connect();
    ASSERT_EQ(station.platform.messageTexts(), std::vector<std::string>{});
    follow(kDeparture, snapshots, shown.departureMessages);
    follow(kArrival, snapshots, shown.arrivalMessages);

    for (const char* phase : {"ON THE GROUND", "TAXING", "CLIMBING", "EN ROUTE", "DESCENDING",
                              "APPROACHING", "FINAL APPROACHING"}) {
        EXPECT_TRUE(shown.phases.contains(phase)) << phase;
    }
    for (const char* message : {"CURRENT ALT DIFFERENT FL FILED - CORRECTION REACHING FL FILED",
                                "HIGH CURRENT SPEED ON THE GROUND - CORRECTION DECREASE SPEED",
                                "HIGH ALTITUDE - CORRECTION START DESCEND",
                                "HIGH SPEED IN APPROAH - CORRECTION DECREASE SPEED",
                                "OVERSPEED - CORRECTION DECREASE SPEED",
                                "HIGH ALTITUDE - CORRECTION DECREASE ALTITUDE", "N O R M A L"}) {
        EXPECT_TRUE(shown.departureMessages.contains(message)) << "departure: " << message;
    }
    for (const char* message :
         {"OUTSIDE RADAR COVERTURE", "HIGH CURRENT SPEED ON THE GROUND - CORRECTION DECREASE SPEED",
          "HIGH ALTITUDE - CORRECTION START DESCEND",
          "HIGH SPEED IN APPROAH - CORRECTION DECREASE SPEED",
          "HIGH ALTITUDE - CORRECTION DECREASE ALTITUDE", "N O R M A L"}) {
        EXPECT_TRUE(shown.arrivalMessages.contains(message)) << "arrival: " << message;
    }
    // The simulator's traffic lists do not change, so one connect serves the whole hour, and no
    // analysis ever complains about the traffic. The simulator never shows the problem message
    // (every pilot line has an altitude, and no aircraft stands at 0 ft with 0 kt), so that one
    // is not asked for; it must not appear for any other reason either.
    EXPECT_EQ(shown.reconnects, 0);
    EXPECT_TRUE(station.platform.messages.empty());
    EXPECT_FALSE(shown.departureMessages.contains(kProblem));
    EXPECT_FALSE(shown.arrivalMessages.contains(kProblem));
}

TEST_F(PhaseCoverageTest, AnAircraftNewToTheSnapshotIsFollowedAfterANewConnect) {
    sim::TrafficSimulator first(1, 40);
    sim::TrafficSimulator busier(1, 120);
    demo.publish(DemoHome::snapshotOf(first));
    station.connect();
    const std::vector<std::string> snapshots{DemoHome::snapshotOf(busier)};
    const auto traffic = trafficOf(snapshots, kDeparture).front();
    const auto& listed = station.window().LstDeparture.items;
    const auto newcomer = std::find_if(traffic.begin(), traffic.end(), [&](const auto& c) {
        return std::find(listed.begin(), listed.end(), c) == listed.end();
    });
    ASSERT_NE(newcomer, traffic.end());
    ASSERT_FALSE(station.click("LstDeparture", *newcomer));

    follow(kDeparture, snapshots, shown.departureMessages);
    EXPECT_EQ(shown.reconnects, 1);
    EXPECT_EQ(station.window().LstDeparture.items, traffic);
    EXPECT_EQ(station.window().LblPositionName.text, "EDDF_APP");
    EXPECT_EQ(station.platform.messageTexts(), std::vector<std::string>{});
}

}  // namespace
}  // namespace corvane::test
