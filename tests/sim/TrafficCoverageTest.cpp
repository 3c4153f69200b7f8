// Over simulated time the demo traffic must show every flight phase and every parameter
// message the aircraft analyses can give, for aircraft of the demo airport.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "PhaseRules.h"
#include "SnapshotFields.h"
#include "TrafficSimulator.h"

namespace corvane::sim::test {
namespace {

struct Seen {
    std::set<std::string> phases;
    std::set<int> departureMessages;
    std::set<int> arrivalMessages;
};

// Samples the snapshot every `stepS` seconds from `fromS` to `toS`, analysing every pilot line
// the way the program does, each aircraft starting from the phase it showed at the last sample.
Seen sample(std::uint64_t seed, double fromS, double toS, double stepS) {
    Seen seen;
    std::map<std::string, std::string> shownPhase;
    TrafficSimulator sim(seed, 40);
    sim.advance(fromS);
    for (double t = fromS; t <= toS; t += stepS) {
        std::ostringstream out;
        sim.writeSnapshot(out);
        for (const std::string& line : snapshotLines(out.str())) {
            const auto f = splitFields(line);
            if (f.size() < 47 || f[3] != "PILOT" || f[14] == "NONE") {
                continue;
            }
            const PilotReading r = readPilot(f);
            std::string& phase = shownPhase[f[0]];
            phase = flightPhase(r, phase);
            if (!phase.empty()) {
                seen.phases.insert(phase);
            }
            if (f[16] == "EDDF") {
                seen.departureMessages.insert(departureMessage(r, phase));
            }
            if (f[21] == "EDDF") {
                seen.arrivalMessages.insert(arrivalMessage(r, phase));
            }
        }
        sim.advance(stepS);
    }
    return seen;
}

TEST(TrafficCoverage, EveryPhaseWithinTheSimulatedHour) {
    const Seen seen = sample(1, 0, 3600, 10);
    const std::set<std::string> all{"ON THE GROUND", "TAXING",      "CLIMBING",         "EN ROUTE",
                                    "DESCENDING",    "APPROACHING", "FINAL APPROACHING"};
    for (const std::string& phase : all) {
        EXPECT_TRUE(seen.phases.contains(phase)) << phase;
    }
}

class MessageWindow : public ::testing::TestWithParam<double> {};

TEST_P(MessageWindow, EveryMessageWithinFiveMinutes) {
    const Seen seen = sample(7, GetParam(), GetParam() + 300, 5);
    for (int m = 1; m <= 7; ++m) {
        EXPECT_TRUE(seen.departureMessages.contains(m)) << "departure message " << m;
    }
    for (int m = 1; m <= 6; ++m) {
        EXPECT_TRUE(seen.arrivalMessages.contains(m)) << "arrival message " << m;
    }
}

INSTANTIATE_TEST_SUITE_P(AnyStart, MessageWindow, ::testing::Values(0.0, 1234.0, 2900.0, 86400.0));

class PhaseWindow : public ::testing::TestWithParam<double> {};

TEST_P(PhaseWindow, EveryPhaseWithinTenMinutes) {
    const Seen seen = sample(3, GetParam(), GetParam() + 600, 5);
    EXPECT_EQ(seen.phases.size(), 7u);
}

INSTANTIATE_TEST_SUITE_P(AnyStart, PhaseWindow,
                         ::testing::Values(0.0, 600.0, 1200.0, 1800.0, 2400.0, 3000.0, 7777.0));

TEST(TrafficCoverage, EveryPhaseForAnotherSeed) {
    const Seen seen = sample(99, 0, 3600, 10);
    EXPECT_EQ(seen.phases.size(), 7u);
}

}  // namespace
}  // namespace corvane::sim::test
