// The simulator's output for fixed seeds, times and routes, and the bundled data as the program
// reads it, compared byte for byte with the golden files under tests/data/sim (CORVANE_BLESS=1
// rewrites them). Over simulated time the demo traffic must show every flight phase and every
// parameter message the aircraft analyses can give, for aircraft of the demo airport, as the
// program's own rules classify them.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "AirportCatalog.h"
#include "FlightProfile.h"
#include "HoldingLoop.h"
#include "RouteBook.h"
#include "TrafficSimulator.h"
#include "common/GreatCircle.h"
#include "common/NumberText.h"
#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotLine.h"
#include "station/ProcedureFile.h"
#include "station/SquawkTable.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"
#include "traffic/FlightPhase.h"
#include "traffic/FlightPlanDecoding.h"
#include "traffic/ParameterMessage.h"

namespace corvane::sim {
namespace {

using test::splitAt;

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

// Columns: seed, aircraft, seconds advanced, golden file (or "fnv:" and the fingerprint), and
// the number of equal steps the time is advanced in (one when empty).
TEST_P(SimulatorGolden, SnapshotMatches) {
    const test::CaseRow& row = GetParam();
    TrafficSimulator sim(std::stoull(row[0]), std::stoull(row[1]));
    const int steps = row[4].empty() ? 1 : row.number(4);
    for (int i = 0; i < steps; ++i) {
        sim.advance(std::stod(row[2]) / steps);
    }
    const std::string text = snapshot(sim);
    if (row[3].starts_with("fnv:")) {
        EXPECT_EQ("fnv:" + fingerprint(text), row[3]);
    } else {
        expectGolden(row[3], text);
    }
}

CORVANE_CASES(Runs, SimulatorGolden, "sim/snapshots.tsv");

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

// The lines of a bundled file, each of which must end in CR LF.
std::vector<std::string> dataLines(const std::string& relative) {
    std::vector<std::string> lines =
        splitAt(test::readFileBytes(std::string(CORVANE_SIM_DATA_DIR) + "/" + relative), '\n');
    EXPECT_EQ(lines.back(), "") << relative;
    lines.pop_back();
    for (std::string& line : lines) {
        EXPECT_TRUE(line.ends_with('\r')) << relative << ": " << line;
        line.pop_back();
    }
    return lines;
}

// Every line of a procedure file that the program recognises, and as what.
std::string procedures(const std::string& icao) {
    const std::vector<std::string> lines = dataLines("SIDSTARS/" + icao + ".txt");
    std::vector<std::string> runways;
    for (const std::string& line : lines) {
        if (ProcedureFile::isRunwayLine(line)) {
            runways.emplace_back(ProcedureFile::runwayDesignator(line));
        }
    }
    std::string text = "== " + icao + "\n";
    for (const std::string& line : lines) {
        const auto show = [&](bool is, const std::string& what, std::string_view value) {
            text += is ? what + " [" + std::string(value) + "]" : "";
        };
        show(ProcedureFile::isAirportNameLine(line, icao), " name",
             ProcedureFile::airportName(line));
        show(ProcedureFile::isAiracLine(line), " airac", ProcedureFile::airacText(line));
        show(ProcedureFile::isRunwayLine(line), " runway", ProcedureFile::runwayDesignator(line));
        show(ProcedureFile::isEndOfRunways(line), " end-of-runways", "");
        show(ProcedureFile::isSidLine(line), " sid", ProcedureFile::sidName(line));
        show(ProcedureFile::isStarLine(line), " star", ProcedureFile::starName(line));
        // The arrival's procedure text is the STAR line alone: its fixes stand on it.
        show(ProcedureFile::isStarLine(line) && line.find(" FIX ") != std::string::npos,
             " with-fixes", "");
        show(ProcedureFile::isApproachLine(line), " approach", ProcedureFile::approachName(line));
        for (const std::string& runway : runways) {
            const int hits = ProcedureFile::isApproachLine(line)
                                 ? ProcedureFile::approachRunwayHits(line, runway)
                                 : 0;
            show(hits > 0, " " + std::to_string(hits) + "x", runway);
            show(ProcedureFile::isDepartureRunwayLine(line, runway), " departs", runway);
        }
        text += text.back() == '\n' ? "" : "\n";
    }
    return text;
}

// The bundled demo data as the program reads it, and the routes the simulated traffic files
// with its procedures.
TEST(DataFiles, ReadAsTheProgramReadsThemAndAgreeWithTheFiledRoutes) {
    std::string text = "== DATA/ssr_code.txt\n";
    for (const std::string& line : dataLines("DATA/ssr_code.txt")) {
        text += line + " -> " + std::string(SquawkTable::airport(line)) + " [" +
                std::string(SquawkTable::firstCode(line)) + "] [" +
                std::string(SquawkTable::lastCode(line)) + "] [" +
                std::string(SquawkTable::transitionAltitude(line)) + "]\n";
    }
    // The airlines: how many, which designators are not three letters, or twice, or have no
    // name, and which airliners of the simulator fly for none.
    const std::vector<std::string> airlines = dataLines("DATA/airlines.dat");
    text += "== DATA/airlines.dat " + std::to_string(airlines.size()) + " first [" +
            airlines.front() + "]\nwrong:";
    std::set<std::string> known;
    for (const std::string& line : airlines) {
        const auto fields = splitAt(line, ':');
        if (fields[0].size() != 3 || fields.size() < 3 ||
            fields[2].find_first_not_of(' ') == std::string::npos ||
            !known.insert(fields[0]).second) {
            text += " [" + line + "]";
        }
    }
    std::string unknown;
    int airliners = 0;
    const TrafficSimulator sim(1, 300);
    for (std::size_t i = 0; i < sim.aircraftCount(); ++i) {
        const FiledPlan& plan = sim.aircraft(i).plan;
        airliners += plan.flightType == "S" ? 1 : 0;
        const bool named = known.contains(plan.callsign.substr(0, 3));
        unknown += plan.flightType == "S" && !named ? " " + plan.callsign : "";
    }
    text += "\nairliners " + std::to_string(airliners) + ", unknown:" + unknown;
    text += "\n" + procedures("EDDF") + procedures("LIRF") + procedures("EDDM") + "== routes\n";
    for (const Airport& airport : AirportCatalog::all()) {
        if (airport.icao == "EDDF") {
            continue;
        }
        const std::string icao(airport.icao);
        text += icao + " sid [" + std::string(RouteBook::sidTowards(airport.icao)) + "] star [" +
                std::string(RouteBook::starFrom(airport.icao)) + "] out [" +
                RouteBook::route("EDDF", airport.icao) + "] in [" +
                RouteBook::route(airport.icao, "EDDF") + "]\n";
    }
    expectGolden("datafiles.golden.txt", text);
}

struct Seen {
    std::set<std::string> phases, departureMessages, arrivalMessages;
};

double number(const SnapshotLine& f, snapshot::Field field) {
    return NumberText::leading(f.field(field));
}

// Samples the snapshot every `stepS` seconds from `fromS` to `toS`, each aircraft starting from
// the phase it showed at the last sample, as its label keeps it.
Seen sample(std::uint64_t seed, double fromS, double toS, double stepS) {
    Seen seen;
    std::map<std::string, std::string> shownPhase;
    TrafficSimulator sim(seed, 40);
    sim.advance(fromS);
    SnapshotLine f;
    for (double t = fromS; t <= toS; t += stepS) {
        std::ostringstream out;
        sim.writeSnapshot(out);
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);) {
            f.split(line);
            if (!f.fieldIs(snapshot::ClientKind, "PILOT") || f.fieldIs(snapshot::AcType, "NONE")) {
                continue;
            }
            const FlightFigures figures{
                number(f, snapshot::Altitude), number(f, snapshot::GroundSpeed),
                NumberText::leading(
                    FlightPlanDecoding::cruisingLevel(f.field(snapshot::CruiseLevel))),
                NumberText::leading(
                    FlightPlanDecoding::cruisingSpeed(f.field(snapshot::CruiseSpeed))),
                corvane::GreatCircle::distanceNm(
                    number(f, snapshot::Latitude), number(f, snapshot::Longitude),
                    number(f, snapshot::DestLat), number(f, snapshot::DestLon))};
            std::string& phase = shownPhase[std::string(f.field(snapshot::Callsign))];
            phase = FlightPhase::classify(figures).value_or(phase);
            if (!phase.empty()) {
                seen.phases.insert(phase);
            }
            if (f.fieldIs(snapshot::DepAirport, "EDDF")) {
                seen.departureMessages.insert(ParameterMessage::departure(phase, figures).caption);
            }
            if (f.fieldIs(snapshot::DestAirport, "EDDF")) {
                seen.arrivalMessages.insert(ParameterMessage::arrival(phase, figures).caption);
            }
        }
        sim.advance(stepS);
    }
    return seen;
}

class TrafficCoverage : public ::testing::TestWithParam<corvane::test::CaseRow> {};

// Columns: seed, from, to and step in seconds, then the least number of phases, departure and
// arrival messages to be seen: at most seven phases, seven departure and six arrival messages
// (every one but the problem message, which needs a line without altitude).
TEST_P(TrafficCoverage, ShowsEveryPhaseAndMessageAsked) {
    const corvane::test::CaseRow& w = GetParam();
    const Seen seen = sample(std::stoull(w[0]), std::stod(w[1]), std::stod(w[2]), std::stod(w[3]));
    EXPECT_GE(seen.phases.size(), std::stoul(w[4]));
    EXPECT_GE(seen.departureMessages.size(), std::stoul(w[5]));
    EXPECT_GE(seen.arrivalMessages.size(), std::stoul(w[6]));
    EXPECT_FALSE(seen.departureMessages.contains(ParameterMessage::kProblem));
    EXPECT_FALSE(seen.arrivalMessages.contains(ParameterMessage::kProblem));
}

CORVANE_CASES(Windows, TrafficCoverage, "sim/coverage.tsv");

}  // namespace
}  // namespace corvane::sim
