// The demo as a user runs it: the real simulator writes one snapshot, the real script driver
// connects to it, selects traffic on both sides and issues both clearances.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "DemoHome.h"
#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"

namespace corvane::test {
namespace {

using Json = nlohmann::json;

/// An aircraft of the snapshot that can be cleared: IFR, with a plan, of a known airline.
struct Candidate {
    std::string callsign;
    std::string airline;      ///< the airline table's name of its designator
    std::string destination;  ///< filed destination aerodrome
};

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

/// Runs a shell command line; returns its exit status.
int runCommand(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::vector<std::string> crLfLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = bytes.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
        lines.push_back(bytes.substr(begin, end - begin));
    }
    return lines;
}

/// A callsign padded with spaces to 7 characters, as the assigned lists and logs write it.
std::string padded(const std::string& callsign) {
    return callsign.size() >= 3 && callsign.size() < 7
               ? callsign + std::string(7 - callsign.size(), ' ')
               : callsign;
}

/// The last characters of a callsign a clearance speaks after the airline name.
std::string spokenNumber(const std::string& callsign) {
    return callsign.substr(3);
}

class DemoSessionTest : public ::testing::Test {
protected:
    DemoSessionTest() {
        SnapshotLine f;
        for (const std::string& line :
             crLfLines(DemoHome::slurp(DemoHome::demoData() / "DATA" / "airlines.dat"))) {
            f.split(line);
            if (f.has(2) && line.size() > 3) {
                airlines.emplace(line.substr(0, 3), std::string(f.field(2)));
            }
        }
    }

    /// The first aircraft of the snapshot with `field` EDDF that a clearance can be issued to.
    std::optional<Candidate> firstClearable(snapshot::Field field) const {
        SnapshotLine f;
        for (const std::string& line : crLfLines(DemoHome::slurp(demo.snapshotPath()))) {
            f.split(line);
            const std::string callsign(f.field(snapshot::Callsign));
            if (!f.fieldIs(field, "EDDF") || !f.fieldIs(snapshot::FlightRules, "I") ||
                f.fieldIs(snapshot::AcType, "NONE") || callsign.size() < 4 || callsign.size() > 7 ||
                !airlines.contains(callsign.substr(0, 3))) {
                continue;
            }
            return Candidate{callsign, airlines.at(callsign.substr(0, 3)),
                             std::string(f.field(snapshot::DestAirport))};
        }
        return std::nullopt;
    }

    /// Runs corvane-script on the demo folder; returns its dumps.
    std::vector<Json> drive(const std::string& script) {
        demo.home.write("session.txt", script);
        const int status = runCommand(
            quoted(CORVANE_SCRIPT_EXE) + " --home " + quoted(demo.home.path()) + " " +
            quoted(demo.home.file("session.txt")) + " > " + quoted(demo.home.file("dumps.json")) +
            " 2> " + quoted(demo.home.file("errors.txt")));
        EXPECT_EQ(status, 0) << demo.home.read("errors.txt");
        std::vector<Json> dumps;
        std::istringstream lines(demo.home.read("dumps.json"));
        for (std::string line; std::getline(lines, line);) {
            dumps.push_back(Json::parse(line));
        }
        return dumps;
    }

    DemoHome demo;
    std::map<std::string, std::string> airlines;
};

TEST_F(DemoSessionTest, ConnectSelectAndIssueBothClearancesOnTheSimulatorsSnapshot) {
    ASSERT_EQ(runCommand(quoted(CORVANE_SIM_EXE) + " --once --seed 3 --at 1200 --out " +
                         quoted(demo.snapshotPath())),
              0);
    const auto departure = firstClearable(snapshot::DepAirport);
    const auto arrival = firstClearable(snapshot::DestAirport);
    ASSERT_TRUE(departure && arrival);

    const std::vector<Json> dumps = drive(
        "clock 09:15\nstart\ntype TxtOperatorName JANE DOE\nclick CmdExecute\ndump\n"
        "click Command3(1)\npick LstDeparture " +
        departure->callsign +
        "\npick CmbTORwy 25C\nselect CmbSid 0\ntype TxtInClimb 50\nclick cmdSidGen\n"
        "click Command3(3)\npick LstArrival " +
        arrival->callsign +
        "\npick cmbLandRwy 25L\nselect cmbStar 0\ntype txtDescend 70\nclick cmdStarGen\n"
        "dump\n");
    ASSERT_EQ(dumps.size(), 2u);
    const Json& connected = dumps[0];
    EXPECT_EQ(connected["text"]["LblPositionName"], "EDDF_APP");
    EXPECT_EQ(connected["messages"], Json::array());
    const Json& done = dumps[1];
    EXPECT_EQ(done["messages"], Json::array());
    const Json& text = done["text"];

    // Departure: the airline's name in capitals, the flight number, the first SID listed, the
    // typed climb and a code of EDDF's range 2301-2377 (octal digits only).
    const std::string sid = done["items"]["CmbSid"][0].get<std::string>();
    const std::string departureText = text["LblIfrSid"];
    const std::string departurePrefix =
        upperCase(departure->airline) + " " + spokenNumber(departure->callsign) +
        " CLEAR TO DEST " + departure->destination + " AS FLIGHT PLANNED ROUTE VIA " +
        sid.substr(0, sid.find_last_not_of(' ') + 1) +
        " STANDARD DEPARTURE CLIMB AND MANTAIN FL 50 INITIALLY SQUAWK ";
    ASSERT_EQ(departureText.substr(0, departurePrefix.size()), departurePrefix);
    const std::string code = departureText.substr(departurePrefix.size());
    EXPECT_TRUE(std::regex_match(code, std::regex("23[0-7][0-7]"))) << code;
    EXPECT_GE(std::stoi(code), 2301);
    EXPECT_LE(std::stoi(code), 2377);
    EXPECT_EQ(done["items"]["List1"], Json::array({padded(departure->callsign) + " - " + code}));
    const auto& left = done["items"]["LstDeparture"];
    EXPECT_EQ(std::find(left.begin(), left.end(), departure->callsign), left.end());
    // The SID's own runway line only, none of the later SIDs' lines of that runway.
    EXPECT_EQ(text["txtSidAss"],
              "SID ANEKI1-------- RNW 25C TRK 249 UNTIL 1500 FIX DF155 FIX "
              "DF157 AT OR ABOVE 4000 FIX ANEKI");

    // Arrival: direct to the expected STAR entry, the first STAR listed, the typed descent and
    // the chosen landing runway.
    const std::string star = done["items"]["cmbStar"][0].get<std::string>();
    const std::string arrivalText = text["lblIfrStar"];
    EXPECT_EQ(arrivalText, upperCase(arrival->airline) + " " + spokenNumber(arrival->callsign) +
                               " RADAR CONTACT FLY DIRECT " +
                               text["lblExpStar"].get<std::string>() + " THEN " +
                               star.substr(0, star.find_last_not_of(' ') + 1) +
                               " STANDARD ARRIVAL DESCENT AND MANTAIN FL 70 ACCORDING TO THE "
                               "MINIMA EXPECTED ILS APP RWY 25L");
    EXPECT_FALSE(text["lblExpStar"].get<std::string>().empty());
    EXPECT_EQ(text["txtStarAss"],
              "STAR KERAX2 FIX KERAX AT OR ABOVE FL110 FIX DF501 FIX DF503 "
              "SPEED 220 FIX DF505");
    EXPECT_EQ(done["items"]["List2"], Json::array({padded(arrival->callsign) + " - " +
                                                   text["lblSqAss"].get<std::string>()}));

    // Both logs: one CR LF record each, callsign / clearance / procedure text.
    EXPECT_EQ(demo.home.read("DATA/departure.txt"),
              padded(departure->callsign) + "/" + departureText + "/" +
                  text["txtSidAss"].get<std::string>() + "\r\n");
    EXPECT_EQ(demo.home.read("DATA/arrival.txt"), padded(arrival->callsign) + "/" + arrivalText +
                                                      "/" + text["txtStarAss"].get<std::string>() +
                                                      "\r\n");
}

}  // namespace
}  // namespace corvane::test
