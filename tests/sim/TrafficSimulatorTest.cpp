#include "TrafficSimulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "common/NumberText.h"
#include "station/SnapshotField.h"

namespace corvane::sim::test {
namespace {

using namespace snapshot;
using Fields = std::vector<std::string>;

// The fields of a line split on every ":".
Fields splitFields(const std::string& line) {
    Fields fields(1);
    for (const char c : line) {
        if (c == ':') {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    return fields;
}

// The lines of a snapshot without their line ends, each of which must be CR LF.
std::vector<std::string> snapshotLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << line;
        lines.push_back(line.substr(0, line.size() - 1));
    }
    return lines;
}

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
        if (f.size() > 3 && f[ClientKind] == "PILOT") {
            pilots.push_back(std::move(f));
        }
    }
    return pilots;
}

bool matches(const std::string& text, const std::string& pattern) {
    return std::regex_match(text, std::regex(pattern));
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

// The fields the traffic lists and the analyses read, in the forms they decode: numbers where
// the rules compute, ICAO forms where the decoders cut columns.
TEST(TrafficSimulator, EveryPilotLineHasTheFieldsTheProgramReads) {
    const auto pilots = pilotLines(snapshot(1, 200, 900));
    ASSERT_EQ(pilots.size(), 200u);
    std::size_t withoutPlan = 0;
    std::size_t visual = 0;
    for (const auto& f : pilots) {
        ASSERT_GE(f.size(), FlightType + 1u) << f[Callsign];
        SCOPED_TRACE(f[Callsign]);
        EXPECT_TRUE(matches(f[Callsign], "[A-Z0-9]{3,7}"));
        EXPECT_TRUE(matches(f[Vid], "[0-9]{6}"));
        EXPECT_FALSE(f[RealName].empty());
        EXPECT_TRUE(matches(f[Squawk], "[0-7]{4}")) << f[Squawk];
        for (const Field i : {Latitude, Longitude, Altitude, GroundSpeed, DepLat, DepLon}) {
            EXPECT_TRUE(NumberText::strict(f[i])) << "field " << i << ": " << f[i];
        }
        EXPECT_TRUE(matches(f[PositionNear], "ZZZZ|[A-Z0-9]{2,5}"));
        EXPECT_TRUE(matches(f[DepAirport], "[A-Z]{4}"));
        EXPECT_TRUE(matches(f[CtrDep], "[A-Z]{4}"));
        if (f[AcType] == "NONE") {
            ++withoutPlan;
            continue;  // no flight plan: the analyses stop at the type
        }
        visual += f[FlightRules] == "V" ? 1 : 0;
        EXPECT_TRUE(matches(f[Equipment], "1/" + f[AcType] + "..-.+")) << f[Equipment];
        EXPECT_TRUE(matches(f[DestAirport], "[A-Z]{4}"));
        EXPECT_TRUE(NumberText::strict(f[DestLat]) && NumberText::strict(f[DestLon]));
        EXPECT_TRUE(matches(f[CruiseLevel], "[FA][0-9]{3}|VFR")) << f[CruiseLevel];
        EXPECT_TRUE(matches(f[CruiseSpeed], "N[0-9]{4}|M[0-9]{3}")) << f[CruiseSpeed];
        EXPECT_TRUE(matches(f[FlightRules], "[IV]"));
        for (const Field i : {DepTime, Eet, Endurance}) {
            EXPECT_TRUE(matches(f[i], "[1-9][0-9]{1,3}")) << f[i];
        }
        EXPECT_FALSE(f[Route].empty());
        for (const Field i : {CtrCurrent, CtrArr}) {
            EXPECT_TRUE(matches(f[i], "[A-Z]{4}")) << f[i];
        }
        EXPECT_TRUE(matches(f[PersonsOnBoard], "[0-9]+"));
        EXPECT_FALSE(f[FlightType].empty());
    }
    EXPECT_GE(withoutPlan, 1u);
    EXPECT_GE(visual, 1u);
}

TEST(TrafficSimulator, WakeMarkersAreOnlyWhereIntended) {
    const std::string text = snapshot(1, 300, 0);
    std::size_t withEquipment = 0;
    std::size_t withoutEquipment = 0;
    for (const std::string& line : snapshotLines(text)) {
        const auto f = splitFields(line);
        if (f.size() <= FlightType) {
            continue;
        }
        ++(f[AcType] == "NONE" ? withoutEquipment : withEquipment);
        // The analyses search the whole line for these markers; only the equipment field
        // may carry one, and "S-" never appears by accident.
        EXPECT_EQ(line.find("S-"), std::string::npos) << line;
        std::size_t markers = 0;
        for (std::size_t i = 1; i < line.size(); ++i) {
            markers +=
                line[i] == '-' && std::isalpha(static_cast<unsigned char>(line[i - 1])) ? 1 : 0;
        }
        EXPECT_EQ(markers, f[AcType] == "NONE" ? 0u : 1u) << line;
    }
    // Both kinds of line were there to be checked.
    EXPECT_GT(withEquipment, 0u);
    EXPECT_GT(withoutEquipment, 0u);
}

TEST(TrafficSimulator, StationsOfEveryCallsignLength) {
    std::map<std::size_t, int> lengths;
    for (const std::string& line : snapshotLines(snapshot(1, 5, 0))) {
        const auto f = splitFields(line);
        if (f[ClientKind] != "PILOT") {
            const std::size_t n = f[Callsign].size();
            ++lengths[n];
            EXPECT_EQ(line[n], ':');
            EXPECT_EQ(line.substr(n + 1, 6), f[Vid]);
            EXPECT_EQ(line[n + 7], ':');
        }
    }
    for (std::size_t n : {8u, 9u, 10u, 11u, 12u}) {
        EXPECT_GT(lengths[n], 0) << n;
    }
}

TEST(TrafficSimulator, DemoAirportHasEveryKindOfTraffic) {
    const auto pilots = pilotLines(snapshot(1, 40, 0));
    std::set<std::string> kinds;
    for (const auto& f : pilots) {
        if (f[AcType] == "NONE") {
            kinds.insert("no plan");
        }
        if (f[FlightRules] == "V" && (f[CruiseLevel] == "VFR" || f[CruiseLevel][0] == 'A')) {
            kinds.insert("vfr");
        }
        if (f[Squawk] == "0000") {
            kinds.insert("squawk 0000");
        }
        if (f[GroundSpeed] == "0") {
            kinds.insert("parked");
        }
        if (f[DepAirport] == "EDDF" && f[FlightRules] == "I") {
            EXPECT_EQ(f[Route].find(' '), 6u) << f[Route];  // a six-character SID first
        }
        if (f[DestAirport] == "EDDF" && f[FlightRules] == "I") {
            const std::string last = f[Route].substr(f[Route].rfind(' ') + 1);
            EXPECT_GE(last.size(), 5u) << f[Route];
        }
    }
    EXPECT_EQ(kinds.size(), 4u);
}

TEST(TrafficSimulator, AircraftMoveAsTimeGoesOn) {
    const auto before = pilotLines(snapshot(1, 40, 0));
    const auto after = pilotLines(snapshot(1, 40, 60));
    ASSERT_EQ(before.size(), after.size());
    int moved = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i][Callsign], after[i][Callsign]);
        moved +=
            before[i][Latitude] != after[i][Latitude] || before[i][Longitude] != after[i][Longitude]
                ? 1
                : 0;
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
        ASSERT_GE(f.size(), FlightType + 1u);
        callsigns.insert(f[Callsign]);
    }
    EXPECT_EQ(callsigns.size(), pilots.size());
}

TEST(TrafficSimulator, ZeroAircraftGivesOnlyStations) {
    EXPECT_TRUE(pilotLines(snapshot(1, 0, 0)).empty());
    EXPECT_EQ(pilotLines(snapshot(1, 3, 0)).size(), 3u);
}

}  // namespace
}  // namespace corvane::sim::test
