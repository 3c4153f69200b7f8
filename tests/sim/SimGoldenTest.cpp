// The simulator's output for fixed seeds, times and routes, compared byte for byte with the
// golden files under tests/data/sim (CORVANE_BLESS=1 rewrites them).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "FlightProfile.h"
#include "HoldingLoop.h"
#include "TrafficSimulator.h"
#include "support/CaseName.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"

namespace corvane::sim {
namespace {

void expectGolden(const std::string& name, const std::string& actual) {
    const std::string path = std::string(CORVANE_TEST_DATA) + "/sim/" + name;
    if (std::getenv("CORVANE_BLESS") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
    }
    EXPECT_TRUE(test::readFileBytes(path) == actual) << name << " differs from its golden file";
}

std::string snapshot(const TrafficSimulator& sim) {
    std::ostringstream out;
    sim.writeSnapshot(out);
    return out.str();
}

// 64-bit FNV-1a: the fingerprint of a snapshot too large to keep.
std::string fingerprint(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

class SimulatorGolden : public ::testing::TestWithParam<test::CaseRow> {};

// Columns: seed, aircraft, seconds advanced, golden file (or "fnv:" and the fingerprint).
TEST_P(SimulatorGolden, SnapshotMatches) {
    const test::CaseRow& row = GetParam();
    TrafficSimulator sim(std::stoull(row[0]), std::stoull(row[1]));
    sim.advance(std::stod(row[2]));
    const std::string text = snapshot(sim);
    if (row[3].starts_with("fnv:")) {
        EXPECT_EQ("fnv:" + fingerprint(text), row[3]);
    } else {
        expectGolden(row[3], text);
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, SimulatorGolden,
                         ::testing::ValuesIn(test::caseTable("sim/snapshots.tsv")),
                         test::caseName<test::CaseRow>);

TEST(SimulatorGolden, SteppedTimeGivesTheSameSnapshot) {
    TrafficSimulator stepped(5, 60);
    for (int i = 0; i < 10; ++i) {
        stepped.advance(123.45);
    }
    expectGolden("s5_n60_t1234.5.dat", snapshot(stepped));
}

std::string stateLine(double t, const AircraftState& s) {
    char line[120];
    std::snprintf(line, sizeof line, "%.1f %.6f %.6f %.2f %.2f %.1f\n", t, s.position.lat,
                  s.position.lon, s.altitudeFt, s.groundSpeedKt, s.headingDeg);
    return line;
}

// Frankfurt to Heathrow every ten seconds of a repetition, a few a repetition later, then a
// holding loop (9000 ft, 200 kt out, 100 kt back) and a parked one.
TEST(SimulatorGolden, FlightProfileAndHoldingLoops) {
    FlightPerformance perf;
    perf.cruiseAltitudeFt = 35000;
    perf.cruiseSpeedKt = 450;
    const FlightProfile p(AirportCatalog::get("EDDF"), AirportCatalog::get("EGLL"), perf);
    std::string text = "period " + test::decimal(p.periodS()) + "\n";
    for (double t = 0; t <= p.periodS(); t += 10) {
        text += stateLine(t, p.at(t));
    }
    for (double t : {100.0, 1500.0, 3000.0}) {
        text += stateLine(t, p.at(t + 3 * p.periodS()));
    }
    const GeoPoint a{50.0, 8.0};
    const HoldingLoop loop(a, GreatCircle::project(a, 90, 10), 9000, 200, 100);
    text += "holding period " + test::decimal(loop.periodS()) + "\n";
    for (double t = 0; t <= 600; t += 45) {
        text += stateLine(t, loop.at(t));
    }
    const HoldingLoop parked(a, a, 364, 0, 0);
    for (double t : {0.0, 33.0, 1e6}) {
        text += stateLine(t, parked.at(t));
    }
    expectGolden("profile-eddf-egll.txt", text);
}

}  // namespace
}  // namespace corvane::sim
