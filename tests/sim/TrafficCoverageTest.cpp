// Over simulated time the demo traffic must show every flight phase and every parameter
// message the aircraft analyses can give, for aircraft of the demo airport, as the program's own
// rules classify them.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "TrafficSimulator.h"
#include "common/NumberText.h"
#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"
#include "support/CaseTable.h"
#include "traffic/FlightPhase.h"
#include "traffic/FlightPlanDecoding.h"
#include "traffic/GreatCircle.h"
#include "traffic/ParameterMessage.h"

namespace corvane::sim::test {
namespace {

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
            if (!f.fieldIs(snapshot::Rating, "PILOT") || f.fieldIs(snapshot::AcType, "NONE")) {
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
}  // namespace corvane::sim::test
