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
#include "support/CaseName.h"
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

struct Window {
    std::string name;
    std::uint64_t seed;
    double fromS, toS, stepS;
    std::size_t phases, departureMessages, arrivalMessages;
};
void PrintTo(const Window& c, std::ostream* out) {
    *out << c.name;
}

class TrafficCoverage : public ::testing::TestWithParam<Window> {};

// The counts asked for: at most seven phases, seven departure and six arrival messages (every
// one but the problem message, which needs a line without altitude).
TEST_P(TrafficCoverage, ShowsEveryPhaseAndMessageAsked) {
    const Window& w = GetParam();
    const Seen seen = sample(w.seed, w.fromS, w.toS, w.stepS);
    EXPECT_GE(seen.phases.size(), w.phases);
    EXPECT_GE(seen.departureMessages.size(), w.departureMessages);
    EXPECT_GE(seen.arrivalMessages.size(), w.arrivalMessages);
    EXPECT_FALSE(seen.departureMessages.contains(ParameterMessage::kProblem));
    EXPECT_FALSE(seen.arrivalMessages.contains(ParameterMessage::kProblem));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, TrafficCoverage,
    ::testing::Values(Window{"PhasesOfAnHour", 1, 0, 3600, 10, 7, 0, 0},
                      Window{"PhasesOfAnotherSeedsHour", 99, 0, 3600, 10, 7, 0, 0},
                      Window{"MessagesInFiveMinutesFrom0", 7, 0, 300, 5, 0, 7, 6},
                      Window{"MessagesInFiveMinutesFrom1234", 7, 1234, 1534, 5, 0, 7, 6},
                      Window{"MessagesInFiveMinutesFrom2900", 7, 2900, 3200, 5, 0, 7, 6},
                      Window{"MessagesInFiveMinutesADayOn", 7, 86400, 86700, 5, 0, 7, 6},
                      Window{"PhasesInTenMinutesFrom0", 3, 0, 600, 5, 7, 0, 0},
                      Window{"PhasesInTenMinutesFrom600", 3, 600, 1200, 5, 7, 0, 0},
                      Window{"PhasesInTenMinutesFrom1200", 3, 1200, 1800, 5, 7, 0, 0},
                      Window{"PhasesInTenMinutesFrom1800", 3, 1800, 2400, 5, 7, 0, 0},
                      Window{"PhasesInTenMinutesFrom2400", 3, 2400, 3000, 5, 7, 0, 0},
                      Window{"PhasesInTenMinutesFrom3000", 3, 3000, 3600, 5, 7, 0, 0},
                      Window{"PhasesInTenMinutesFrom7777", 3, 7777, 8377, 5, 7, 0, 0}),
    corvane::test::caseName<Window>);

}  // namespace
}  // namespace corvane::sim::test
