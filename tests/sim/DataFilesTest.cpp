// The bundled demo data as the program reads it, and the routes the simulated traffic files
// with its procedures, written out and compared with tests/data/sim/datafiles.golden.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>

#include "AirportCatalog.h"
#include "RouteBook.h"
#include "TrafficSimulator.h"
#include "clearance/ProcedureFile.h"
#include "station/SquawkTable.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"

namespace corvane::sim::test {
namespace {

using corvane::test::splitAt;

// The lines of a bundled file, each of which must end in CR LF.
std::vector<std::string> dataLines(const std::string& relative) {
    std::vector<std::string> lines = splitAt(
        corvane::test::readFileBytes(std::string(CORVANE_SIM_DATA_DIR) + "/" + relative), '\n');
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

TEST(DataFiles, ReadAsTheProgramReadsThemAndAgreeWithTheFiledRoutes) {
    std::string text = "== DATA/ssr_code.txt\n";
    for (const std::string& line : dataLines("DATA/ssr_code.txt")) {
        text += std::string(SquawkTable::airport(line)) + " [" +
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
    const std::string golden = std::string(CORVANE_TEST_DATA) + "/sim/datafiles.golden.txt";
    if (std::getenv("CORVANE_BLESS") != nullptr) {
        std::ofstream(golden, std::ios::binary) << text;
    }
    EXPECT_EQ(text, corvane::test::readFileBytes(golden));
}

}  // namespace
}  // namespace corvane::sim::test
