#include "TrafficSimulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>

#include "SnapshotFields.h"

namespace corvane::sim::test {
namespace {

std::string snapshot(std::uint64_t seed, std::size_t count, double atS) {
    TrafficSimulator sim(seed, count);
    sim.advance(atS);
    std::ostringstream out;
    sim.writeSnapshot(out);
    return out.str();
}

std::vector<std::vector<std::string>> pilotLines(const std::string& text) {
    std::vector<std::vector<std::string>> pilots;
    for (const std::string& line : snapshotLines(text)) {
        auto f = splitFields(line);
        if (f.size() > 3 && f[3] == "PILOT") {
            pilots.push_back(std::move(f));
        }
    }
    return pilots;
}

bool isOctalSquawk(const std::string& s) {
    return s.size() == 4 &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '7'; });
}

TEST(TrafficSimulator, SameSeedAndTimeGiveIdenticalBytes) {
    EXPECT_EQ(snapshot(5, 60, 1234.5), snapshot(5, 60, 1234.5));
    TrafficSimulator stepped(5, 60);
    for (int i = 0; i < 10; ++i) {
        stepped.advance(123.45);
    }
    std::ostringstream out;
    stepped.writeSnapshot(out);
    EXPECT_EQ(out.str(), snapshot(5, 60, 1234.5));
}

TEST(TrafficSimulator, DifferentSeedOrTimeGiveDifferentTraffic) {
    EXPECT_NE(snapshot(5, 60, 100), snapshot(6, 60, 100));
    EXPECT_NE(snapshot(5, 60, 100), snapshot(5, 60, 105));
}

TEST(TrafficSimulator, EveryPilotLineIsComplete) {
    const auto pilots = pilotLines(snapshot(1, 200, 900));
    ASSERT_EQ(pilots.size(), 200u);
    for (const auto& f : pilots) {
        ASSERT_GE(f.size(), 47u) << f[0];
        EXPECT_FALSE(f[0].empty());
        EXPECT_LE(f[0].size(), 7u) << f[0];
        EXPECT_EQ(f[1].size(), 6u) << f[0];
        EXPECT_TRUE(isOctalSquawk(f[36])) << f[0] << " " << f[36];
        // Numbers use a period as decimal mark and nothing else.
        for (int i : {7, 8, 11, 12}) {
            EXPECT_EQ(f[i].find(','), std::string::npos) << f[0];
            EXPECT_DOUBLE_EQ(leadingNumber(f[i]), std::stod(f[i])) << f[0] << " field " << i;
        }
        if (f[14] == "NONE") {
            continue;
        }
        EXPECT_EQ(f[15].substr(0, 2), "1/") << f[0];
        EXPECT_EQ(f[15].substr(2, 4), f[14]) << f[0];
        EXPECT_EQ(f[15][8], '-') << f[0];
        for (int i : {31, 32, 33}) {
            EXPECT_TRUE(f[i].size() >= 2 && f[i].size() <= 4 && f[i][0] != '0')
                << f[0] << " " << f[i];
        }
        for (int i : {42, 43, 44}) {
            EXPECT_EQ(f[i].size(), 4u) << f[0] << " field " << i;
        }
        EXPECT_FALSE(f[45].empty());
        EXPECT_FALSE(f[46].empty());
    }
}

TEST(TrafficSimulator, WakeMarkersAreOnlyWhereIntended) {
    const std::string text = snapshot(1, 300, 0);
    std::size_t withEquipment = 0;
    std::size_t withoutEquipment = 0;
    for (const std::string& line : snapshotLines(text)) {
        const auto f = splitFields(line);
        if (f.size() < 47) {
            continue;
        }
        ++(f[14] == "NONE" ? withoutEquipment : withEquipment);
        // The analyses search the whole line for these markers; only the equipment field
        // may carry one, and "S-" never appears by accident.
        EXPECT_EQ(line.find("S-"), std::string::npos) << line;
        std::size_t markers = 0;
        for (std::size_t i = 1; i < line.size(); ++i) {
            markers +=
                line[i] == '-' && std::isalpha(static_cast<unsigned char>(line[i - 1])) ? 1 : 0;
        }
        EXPECT_EQ(markers, f[14] == "NONE" ? 0u : 1u) << line;
    }
    // Both kinds of line were there to be checked.
    EXPECT_GT(withEquipment, 0u);
    EXPECT_GT(withoutEquipment, 0u);
}

TEST(TrafficSimulator, DemoStationMatchesTheFixedColumns) {
    const auto lines = snapshotLines(snapshot(1, 40, 0));
    const std::string& line = lines.front();
    EXPECT_EQ(line.substr(0, 8), "EDDF_APP");
    EXPECT_EQ(line.substr(5, 3), "APP");  // position kind in columns 6-8
    EXPECT_EQ(line[8], ':');
    EXPECT_EQ(line.substr(9, 6), "123456");  // VID in columns 10-15
    EXPECT_EQ(line[15], ':');
    EXPECT_EQ(line.substr(16, 9), "JANE DOE:");  // name from column 17, then ":"
    EXPECT_EQ(line[25], '5');                    // rating
    const auto f = splitFields(line);
    ASSERT_GE(f.size(), 14u);
    EXPECT_EQ(f[3], "5");
    EXPECT_EQ(f[6], "Frankfurt Approach");
    EXPECT_NE(f[13].find("Q1013"), std::string::npos);
    EXPECT_EQ(f[13].find("Q0"), std::string::npos);  // the Q1 group is the one the program finds
}

TEST(TrafficSimulator, StationsOfEveryCallsignLength) {
    std::map<std::size_t, int> lengths;
    for (const std::string& line : snapshotLines(snapshot(1, 5, 0))) {
        const auto f = splitFields(line);
        if (f.size() == 16 && f[5] == "ATC") {
            const std::size_t n = f[0].size();
            ++lengths[n];
            EXPECT_EQ(line[n], ':');
            EXPECT_EQ(line.substr(n + 1, 6), f[1]);
            EXPECT_EQ(line[n + 7], ':');
        }
    }
    for (std::size_t n : {8u, 9u, 10u, 11u, 12u}) {
        EXPECT_GT(lengths[n], 0) << n;
    }
}

TEST(TrafficSimulator, DemoAirportHasDeparturesAndArrivals) {
    const auto pilots = pilotLines(snapshot(1, 40, 0));
    int departures = 0;
    int arrivals = 0;
    std::set<std::string> kinds;
    for (const auto& f : pilots) {
        departures += f[16] == "EDDF" ? 1 : 0;
        arrivals += f[21] == "EDDF" ? 1 : 0;
        if (f[14] == "NONE") {
            kinds.insert("no plan");
        }
        if (f[30] == "V" && (f[28] == "VFR" || f[28][0] == 'A')) {
            kinds.insert("vfr");
        }
        if (f[36] == "0000") {
            kinds.insert("squawk 0000");
        }
        if (f[12] == "0") {
            kinds.insert("parked");
        }
        if (f[16] == "EDDF" && f[30] == "I") {
            EXPECT_EQ(f[34].find(' '), 6u) << f[34];  // a six-character SID first
        }
        if (f[21] == "EDDF" && f[30] == "I") {
            const std::string last = f[34].substr(f[34].rfind(' ') + 1);
            EXPECT_GE(last.size(), 5u) << f[34];
        }
    }
    EXPECT_GE(departures, 10);
    EXPECT_GE(arrivals, 10);
    EXPECT_EQ(kinds.size(), 4u);
}

TEST(TrafficSimulator, AircraftMoveAsTimeGoesOn) {
    const auto before = pilotLines(snapshot(1, 40, 0));
    const auto after = pilotLines(snapshot(1, 40, 60));
    ASSERT_EQ(before.size(), after.size());
    int moved = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i][0], after[i][0]);
        moved += before[i][7] != after[i][7] || before[i][8] != after[i][8] ? 1 : 0;
    }
    EXPECT_GE(moved, 25);
}

TEST(TrafficSimulator, AHundredThousandAircraft) {
    TrafficSimulator sim(2, 100000);
    std::ostringstream out;
    sim.writeSnapshot(out);
    const std::string text = out.str();
    const auto pilots = pilotLines(text);
    ASSERT_EQ(pilots.size(), 100000u);
    std::set<std::string> callsigns;
    for (const auto& f : pilots) {
        ASSERT_GE(f.size(), 47u);
        callsigns.insert(f[0]);
    }
    EXPECT_EQ(callsigns.size(), pilots.size());
}

TEST(TrafficSimulator, ZeroAircraftGivesOnlyStations) {
    EXPECT_TRUE(pilotLines(snapshot(1, 0, 0)).empty());
    EXPECT_EQ(pilotLines(snapshot(1, 3, 0)).size(), 3u);
}

}  // namespace
}  // namespace corvane::sim::test
