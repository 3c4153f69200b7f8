// The bundled demo data must read the way the program reads it, and must agree with the
// procedures the simulated traffic files.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

#include "AirportCatalog.h"
#include "RouteBook.h"
#include "TrafficSimulator.h"
#include "clearance/ProcedureFile.h"
#include "common/NumberText.h"
#include "station/SquawkTable.h"

namespace corvane::sim::test {
namespace {

std::vector<std::string> dataLines(const std::string& relative) {
    std::ifstream in(std::string(CORVANE_SIM_DATA_DIR) + "/" + relative, std::ios::binary);
    EXPECT_TRUE(in) << relative;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        EXPECT_TRUE(!line.empty() && line.back() == '\r') << relative << ": " << line;
        lines.push_back(line.substr(0, line.size() - 1));
    }
    return lines;
}

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) {
        return "";
    }
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool octal(const std::string& s) {
    return s.size() == 4 &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '7'; });
}

TEST(SquawkTable, EveryLineHasTheColumnLayout) {
    const auto lines = dataLines("DATA/ssr_code.txt");
    ASSERT_GE(lines.size(), 40u);
    std::set<std::string> airports;
    for (const std::string& line : lines) {
        ASSERT_GE(line.size(), 19u) << line;
        EXPECT_EQ(line[4], ':');
        EXPECT_EQ(line[9], ':');
        EXPECT_EQ(line[14], ':');
        const std::string icao(SquawkTable::airport(line));
        EXPECT_TRUE(
            std::all_of(icao.begin(), icao.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
        EXPECT_TRUE(airports.insert(icao).second) << "twice: " << icao;
        const std::string first(SquawkTable::firstCode(line));
        const std::string last(SquawkTable::lastCode(line));
        EXPECT_TRUE(octal(first) && octal(last) && first < last) << line;
        const std::string ta(SquawkTable::transitionAltitude(line));
        EXPECT_EQ(ta, trim(ta));
        EXPECT_GE(NumberText::leading(ta), 3000) << line;
    }
    EXPECT_EQ(lines.front(), "EDDF:2301:2377:5000");
    for (const char* icao : {"EDDF", "LIRF", "LIMC", "EGLL", "LFPG", "EHAM", "LEMD", "KJFK"}) {
        EXPECT_TRUE(airports.contains(icao)) << icao;
    }
}

TEST(AirlineTable, EveryLineHasADesignatorAndAName) {
    const auto lines = dataLines("DATA/airlines.dat");
    ASSERT_GE(lines.size(), 80u);
    std::set<std::string> designators;
    for (const std::string& line : lines) {
        std::istringstream fields(line);
        std::string designator, callsign, name;
        std::getline(std::getline(std::getline(fields, designator, ':'), callsign, ':'), name, ':');
        EXPECT_EQ(designator.size(), 3u) << line;
        EXPECT_FALSE(trim(name).empty()) << line;
        EXPECT_TRUE(designators.insert(designator).second) << "twice: " << designator;
    }
    EXPECT_EQ(lines.front(), "DLH:LUFTHANSA:Lufthansa:Germany");

    // Every airliner the simulator flies is known by name.
    TrafficSimulator sim(1, 300);
    std::size_t airliners = 0;
    for (std::size_t i = 0; i < sim.aircraftCount(); ++i) {
        const FiledPlan& plan = sim.aircraft(i).plan;
        if (plan.flightType == "S") {
            ++airliners;
            EXPECT_TRUE(designators.contains(plan.callsign.substr(0, 3))) << plan.callsign;
        }
    }
    EXPECT_GT(airliners, 0u);
}

struct Procedures {
    std::string name, airac;
    std::vector<std::string> runways, sids, stars;
    std::vector<std::string> lines;
};

// Reads a procedure file with the program's own line rules.
Procedures readProcedures(const std::string& icao) {
    Procedures file;
    file.lines = dataLines("SIDSTARS/" + icao + ".txt");
    bool inRunways = true;
    for (const std::string& line : file.lines) {
        if (inRunways) {
            if (ProcedureFile::isAirportNameLine(line, icao)) {
                file.name = ProcedureFile::airportName(line);
            }
            if (ProcedureFile::isAiracLine(line)) {
                file.airac = ProcedureFile::airacText(line);
            }
            if (ProcedureFile::isRunwayLine(line)) {
                file.runways.emplace_back(ProcedureFile::runwayDesignator(line));
            }
            inRunways = !ProcedureFile::isEndOfRunways(line);
        }
        if (ProcedureFile::isSidLine(line)) {
            file.sids.push_back(trim(std::string(ProcedureFile::sidName(line))));
        }
        if (ProcedureFile::isStarLine(line)) {
            file.stars.push_back(trim(std::string(ProcedureFile::starName(line))));
            // The arrival's procedure text is the STAR line alone: its fixes stand on it.
            EXPECT_NE(line.find(" FIX "), std::string::npos) << line;
        }
    }
    EXPECT_FALSE(inRunways) << icao << " has no ENDRNWS";
    return file;
}

std::vector<std::string> approachesFor(const Procedures& file, const std::string& runway) {
    std::vector<std::string> names;
    for (const std::string& line : file.lines) {
        const int hits = ProcedureFile::isApproachLine(line)
                             ? ProcedureFile::approachRunwayHits(line, runway)
                             : 0;
        names.insert(names.end(), static_cast<std::size_t>(hits),
                     std::string(ProcedureFile::approachName(line)));
    }
    return names;
}

TEST(ProcedureFiles, DemoAirportReadsAsExpected) {
    const Procedures f = readProcedures("EDDF");
    EXPECT_EQ(f.name, "FRANKFURT MAIN");
    EXPECT_EQ(f.airac.substr(0, 10), "AIRAC 2513");
    EXPECT_EQ(f.runways,
              (std::vector<std::string>{"07L", "07R", "07C", "25L", "25R", "25C", "18 "}));
    EXPECT_EQ(approachesFor(f, "25L"), (std::vector<std::string>{"ILS25L ", "RNAV25L"}));
    EXPECT_EQ(approachesFor(f, "25C"), (std::vector<std::string>{"ILS25C ", "VOR25C "}));
    EXPECT_TRUE(approachesFor(f, "18 ").empty());
}

TEST(ProcedureFiles, EverySidHasADepartureRunwayLine) {
    const Procedures f = readProcedures("EDDF");
    for (const std::string& runway : {std::string("25C"), std::string("07C")}) {
        std::string currentSid;
        std::set<std::string> withRunway;
        for (const std::string& line : f.lines) {
            if (ProcedureFile::isSidLine(line)) {
                currentSid = trim(std::string(ProcedureFile::sidName(line)));
            }
            if (ProcedureFile::isDepartureRunwayLine(line, runway) && !currentSid.empty()) {
                withRunway.insert(currentSid);
            }
        }
        EXPECT_EQ(withRunway.size(), f.sids.size()) << runway;
    }
}

TEST(ProcedureFiles, FiledRoutesUseTheDemoAirportsProcedures) {
    const Procedures f = readProcedures("EDDF");
    for (const Airport& airport : AirportCatalog::all()) {
        if (airport.icao == "EDDF") {
            continue;
        }
        const std::string sid(RouteBook::sidTowards(airport.icao));
        const std::string star(RouteBook::starFrom(airport.icao));
        EXPECT_NE(std::find(f.sids.begin(), f.sids.end(), sid), f.sids.end()) << sid;
        EXPECT_NE(std::find(f.stars.begin(), f.stars.end(), star), f.stars.end()) << star;
        const std::string out = RouteBook::route("EDDF", airport.icao);
        EXPECT_EQ(out.substr(0, out.find(' ')), sid);
        const std::string in = RouteBook::route(airport.icao, "EDDF");
        EXPECT_EQ(in.substr(in.rfind(' ') + 1), star);
    }
}

TEST(ProcedureFiles, ExtraAirportsRead) {
    const Procedures lirf = readProcedures("LIRF");
    EXPECT_EQ(lirf.name, "ROMA FIUMICINO");
    EXPECT_EQ(lirf.runways, (std::vector<std::string>{"16L", "16R", "34L", "34R", "25 ", "07 "}));
    EXPECT_EQ(lirf.sids, (std::vector<std::string>{"ELKAP1", "RAVAL1"}));
    EXPECT_EQ(lirf.stars, (std::vector<std::string>{"ROTUN2", "TAQ1C"}));
    const Procedures eddm = readProcedures("EDDM");
    EXPECT_EQ(eddm.runways.size(), 4u);
    EXPECT_EQ(approachesFor(eddm, "26R"), (std::vector<std::string>{"ILS26R "}));
}

}  // namespace
}  // namespace corvane::sim::test
