#include <gtest/gtest.h>

#include "DriverSession.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ScriptRunner.h"
#include "platform/NativePath.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

using Json = nlohmann::json;

const std::string kData = std::string(CORVANE_TEST_DATA) + "/station";
const std::string kSep(1, kPathSeparator);

const char* const kNotFound =
    "PAY ATTENTION!!! INSERT CORRECT ACCOUNT (NORMALLY NAME AND SURNAME OR VID NUMBER) IVAO "
    "CONNECTED";
const char* const kAirportNotInTable =
    "AIRPORT ICAO CODE NOT PRESENT IN SSR_CODE.TXT. PLEASE OPEN WITH NOTEPAD THE FILE AND INSERT "
    "MANUALLY ICAO CODE IN THIS MODE  ICAO CODE:SQUAWK1:SQUAWK2:TRANSITION ALTITUDE.";

Json exclamation(const std::string& text, const std::string& title = "") {
    return Json{{"text", text}, {"title", title}, {"icon", "exclamation"}, {"buttons", "ok"}};
}

/// Connects through the headless driver to the station files of tests/data/station.
class ConnectScript : public test::DriverSession {
protected:
    ConnectScript() {
        home.write("DATA/ssr_code.txt", readData("ssr_code.txt"));
        home.write("DATA/dirRecent.txt", kData + "/recent.dat\r\n");
        home.write("DATA/dirSidStar.txt", kData + "/procedures\r\n");
    }

    static std::string readData(const std::string& name) {
        return test::readFileBytes(kData + "/" + name);
    }

    /// Types `account`, connects and dumps; returns the dump.
    Json connectAs(const std::string& account) {
        EXPECT_EQ(run("start\ntype TxtOperatorName " + account + "\nclick CmdExecute\ndump\n"), 0);
        return dumps.empty() ? Json() : dumps.back();
    }

    /// The state a failed connect leaves: not connected, station and lists emptied.
    static void expectNotConnected(const Json& d) {
        EXPECT_EQ(d["window"]["layout"], "collapsed");
        EXPECT_EQ(d["focus"], "TxtOperatorName");
        EXPECT_EQ(d["enabled"]["TxtOperatorName"], true);
        EXPECT_EQ(d["enabled"]["CmdExecute"], false);
        for (const int index : {0, 1, 3, 7, 9}) {
            EXPECT_EQ(d["enabled"]["Command3(" + std::to_string(index) + ")"], false) << index;
        }
        for (const int index : {5, 6, 8}) {
            EXPECT_EQ(d["enabled"]["Command3(" + std::to_string(index) + ")"], true) << index;
        }
        for (const char* field :
             {"TxtOperatorName", "LblPositionName", "LblNomeApt", "LblRating", "lblQNH", "lblTL",
              "lblTA", "lblPollici", "LblAtisInf", "Lblr1_1", "Lblr2_1", "LblSquawk"}) {
            EXPECT_EQ(d["text"][field], "") << field;
        }
        for (const char* list : {"LstDeparture", "LstArrival", "CmbTORwy", "cmbLandRwy"}) {
            EXPECT_EQ(d["items"][list], Json::array()) << list;
        }
        EXPECT_EQ(d["state"]["SnapshotPath"], "");
    }

    /// The state a successful connect leaves in the buttons.
    static void expectConnected(const Json& d) {
        EXPECT_EQ(d["enabled"]["TxtOperatorName"], false);
        EXPECT_EQ(d["enabled"]["CmdExecute"], false);
        for (const int index : {0, 1, 3, 5, 6, 7, 8, 9}) {
            EXPECT_EQ(d["enabled"]["Command3(" + std::to_string(index) + ")"], true) << index;
        }
    }
};

TEST_F(ConnectScript, AnAirportStationShowsItselfItsPressureRunwaysAndTraffic) {
    const Json d = connectAs("jane doe");
    expectConnected(d);
    const Json& t = d["text"];
    EXPECT_EQ(t["LblPositionName"], "EDDF_APP");
    EXPECT_EQ(t["LblRating"], "ADC : Aerodrome Controller");
    EXPECT_EQ(t["LblNomeApt"], "FRANKFURT MAIN");
    EXPECT_EQ(t["LblAirac"], "AIRAC 2401 SIDSTARS PMDG FORMAT GENERATED FOR ATC CORVANE TE");
    EXPECT_EQ(t["LblAtisInf"], "EDDF INFORMATION K 20010KT CAVOK 18/09 Q1013 NOSIG");
    EXPECT_EQ(t["lblQNH"], "1013");
    EXPECT_EQ(t["lblPollici"], "29.91");
    EXPECT_EQ(t["lblTA"], "5000");
    EXPECT_EQ(t["lblTL"], "65");
    EXPECT_EQ(t["Lblr1_1"], "2301");
    EXPECT_EQ(t["Lblr2_1"], "2377");
    EXPECT_EQ(t["LblSquawk"], "2301");
    EXPECT_EQ(t["lblPosition"], "APPROACH CONTROL");
    EXPECT_EQ(t["txtInfoPos"].get<std::string>().rfind(
                  "Controls the airspace up to 30NM away from the airport", 0),
              0u);
    const Json runways = Json::array({"07C", "25L", "9", "18 "});
    EXPECT_EQ(d["items"]["CmbTORwy"], runways);
    EXPECT_EQ(d["items"]["cmbLandRwy"], runways);
    EXPECT_EQ(d["items"]["LstDeparture"], Json::array({"DLH4AB", "BAW5", "SHORT1", "DLH4AB"}));
    EXPECT_EQ(d["items"]["LstArrival"], Json::array({"AZA401"}));
    EXPECT_EQ(d["state"]["AirportCode"], "EDDF");
    EXPECT_EQ(d["state"]["CentreMode"], false);
    EXPECT_EQ(d["state"]["SnapshotPath"], kData + "/recent.dat");
    EXPECT_EQ(d["state"]["ProcFolder"], kData + "/procedures");
    EXPECT_EQ(d["state"]["FolderSelector"], 0);
    EXPECT_EQ(d["messages"], Json::array());
}

TEST_F(ConnectScript, AnAirportConnectMatchesItsGoldenDump) {
    const Json d = connectAs("jane doe");
    const Json golden = Json::parse(readData("connect-eddf.golden.json"));
    for (const auto& [member, expected] : golden.items()) {
        if (member == "state") {
            for (const auto& [name, value] : expected.items()) {
                EXPECT_EQ(d["state"][name], value) << name;
            }
            continue;
        }
        EXPECT_EQ(d[member], expected) << member;
    }
}

TEST_F(ConnectScript, AnAccentedUtf8NameFindsItsStationAndALowerCaseProcedureFile) {
    const Json d = connectAs("JOSÉ ÁLVAREZ");
    expectConnected(d);
    const Json& t = d["text"];
    EXPECT_EQ(t["LblPositionName"], "LIRF_TWR");
    EXPECT_EQ(t["LblRating"], "AS3 : Advanced ATC Trainee");
    EXPECT_EQ(t["LblNomeApt"], "Roma Fiumicino Leonardo da Vinci");
    EXPECT_EQ(t["LblAirac"], "AIRAC 2402");
    EXPECT_EQ(t["lblQNH"], "0998");  // "Q0" is preferred to the earlier "Q1"
    EXPECT_EQ(t["lblPollici"], "29.47");
    EXPECT_EQ(t["lblTA"], "6000");
    EXPECT_EQ(t["lblTL"], "75");
    EXPECT_EQ(t["LblSquawk"], "1501");
    EXPECT_EQ(t["lblPosition"], "TOWER CONTROL");
    EXPECT_EQ(d["items"]["CmbTORwy"], Json::array({"16L", "34R"}));
    EXPECT_EQ(d["items"]["LstDeparture"], Json::array({"AZA401", "CFG22"}));
    EXPECT_EQ(d["items"]["LstArrival"], Json::array({"DLH4AB", "CFG22", "DLH4AB"}));
    EXPECT_EQ(d["messages"], Json::array());
}

TEST_F(ConnectScript, ALongCentreCallsignShowsOnlyTheCallsign) {
    // The station line is written in Windows-1252 ("Klaus Müller").
    const Json d = connectAs("KLAUS MÜLLER");
    expectConnected(d);
    const Json& t = d["text"];
    EXPECT_EQ(t["LblPositionName"], "EDGG_WST_CTR");
    for (const char* field : {"LblRating", "LblNomeApt", "LblAtisInf", "lblQNH", "lblPosition",
                              "txtInfoPos", "Lblr1_1", "LblSquawk", "lblTL", "lblPollici"}) {
        EXPECT_EQ(t[field], "") << field;
    }
    EXPECT_EQ(d["state"]["CentreMode"], true);
    EXPECT_EQ(d["state"]["AirportCode"], "EDGG");
    EXPECT_EQ(d["items"]["CmbTORwy"], Json::array());
    EXPECT_EQ(d["items"]["LstDeparture"], Json::array({"DLH4AB"}));
    EXPECT_EQ(d["items"]["LstArrival"], Json::array());
    EXPECT_EQ(d["messages"], Json::array());
}

TEST_F(ConnectScript, AShorterCentreCallsignRunsTheFieldsAndListsByArea) {
    // A centre needs no procedures folder.
    std::filesystem::remove(home.file("DATA/dirSidStar.txt"));
    const Json d = connectAs("ANNA BIANCHI");
    expectConnected(d);
    const Json& t = d["text"];
    EXPECT_EQ(t["LblPositionName"], "LIRR_W_CTR");
    EXPECT_EQ(t["LblRating"], "APC : Approach Controller");
    EXPECT_EQ(t["LblNomeApt"], "Roma West");
    EXPECT_EQ(t["LblAtisInf"], "LIRR Q1020");
    EXPECT_EQ(t["lblQNH"], "1020");
    EXPECT_EQ(t["lblTL"], "");
    EXPECT_EQ(t["lblPollici"], "");
    EXPECT_EQ(t["LblSquawk"], "");
    EXPECT_EQ(t["lblPosition"], "AREA CENTER CONTROL");
    EXPECT_EQ(d["state"]["CentreMode"], true);
    EXPECT_EQ(d["items"]["LstDeparture"], Json::array({"AZA401", "RYR12"}));
    EXPECT_EQ(d["items"]["LstArrival"], Json::array({"RYR12", "EZY77"}));
    EXPECT_EQ(d["messages"], Json::array());
}

TEST_F(ConnectScript, AWholeVidConnectsWithoutTheNameCheck) {
    const Json d = connectAs("445566");
    expectConnected(d);
    const Json& t = d["text"];
    EXPECT_EQ(t["LblPositionName"], "EDDV_TWR");
    EXPECT_EQ(t["LblRating"], "SEC : Senior Controller");
    // A transition altitude of blanks counts: the level comes from an altitude of 0.
    EXPECT_EQ(t["lblTA"], "   ");
    EXPECT_EQ(t["lblTL"], "15");
    EXPECT_EQ(t["lblPollici"], "29.62");
    EXPECT_EQ(d["items"]["LstDeparture"], Json::array({"TUI3"}));
    EXPECT_EQ(
        d["messages"],
        Json::array({exclamation("PAY ATTENTION!!! PROCEDURE FILE " + kData + "/procedures" + kSep +
                                 "EDDV.txt NOT FOUND. NO RUNWAYS ARE LISTED: "
                                 "ADD THE FILE OR USE SID/STAR FOLDER")}));
}

TEST_F(ConnectScript, TheLastMatchingLineWinsAndMissingFilesAreNamed) {
    const Json d = connectAs("JOHN SMITH");
    expectConnected(d);
    const Json& t = d["text"];
    EXPECT_EQ(t["LblPositionName"], "EDDL_GND");
    EXPECT_EQ(t["LblRating"], "AS2 : ATC Trainee");
    EXPECT_EQ(t["LblNomeApt"], "Duesseldorf Ground");
    EXPECT_EQ(t["LblAtisInf"], "NO ATIS AVAILABLE");
    EXPECT_EQ(t["lblQNH"], "1015");  // left by the earlier line of the same account
    EXPECT_EQ(t["lblPosition"], "GROUND CONTROL");
    EXPECT_EQ(t["Lblr1_1"], "6000");
    EXPECT_EQ(t["Lblr2_1"], "6077");
    EXPECT_EQ(t["LblSquawk"], "6000");
    EXPECT_EQ(d["items"]["LstArrival"], Json::array({"TUI3"}));
    EXPECT_EQ(
        d["messages"],
        Json::array({exclamation("PAY ATTENTION!!! PROCEDURE FILE " + kData + "/procedures" + kSep +
                                 "EDDL.txt NOT FOUND. NO RUNWAYS ARE LISTED: "
                                 "ADD THE FILE OR USE SID/STAR FOLDER"),
                     exclamation(kAirportNotInTable)}));
}

TEST_F(ConnectScript, AProcedureFileWithoutEndOfRunwaysAndABadRatingStillConnect) {
    // By VID: by name the letter rating would fail the whole-name check.
    const Json d = connectAs("678901");
    expectConnected(d);
    const Json& t = d["text"];
    EXPECT_EQ(t["LblPositionName"], "EDDM_NO_APP");
    EXPECT_EQ(t["LblRating"], "");
    EXPECT_EQ(t["LblNomeApt"], "München Franz Josef Strauß");
    EXPECT_EQ(d["items"]["CmbTORwy"], Json::array({"08R", "26L"}));
    // Listed without a transition altitude: its own codes count, no level is derived.
    EXPECT_EQ(t["Lblr1_1"], "3401");
    EXPECT_EQ(t["Lblr2_1"], "3477");
    EXPECT_EQ(t["lblTA"], "");
    EXPECT_EQ(t["lblTL"], "");
    EXPECT_EQ(t["lblQNH"], "0985");
    EXPECT_EQ(d["messages"], Json::array());
}

TEST_F(ConnectScript, AnAtisWithoutQnhGroupSaysSo) {
    const Json d = connectAs("RITA SHORT");
    expectConnected(d);
    const Json& t = d["text"];
    EXPECT_EQ(t["LblAtisInf"], "EDDH QNH 1008");
    EXPECT_EQ(t["lblQNH"], "");
    EXPECT_EQ(t["LblRating"], "");  // only 14 fields: the walk never reaches the rating
    EXPECT_EQ(t["lblTA"], "5000");
    EXPECT_EQ(t["lblTL"], "");
    EXPECT_EQ(t["lblPollici"], "");
    ASSERT_EQ(d["messages"].size(), 2u);
    EXPECT_EQ(d["messages"][0], exclamation("QNH NOT PRESENT IN ATIS"));
}

struct FailureCase {
    const char* name;
    const char* account;
    const char* message;
    const char* title;
};

class ConnectFailure : public ConnectScript, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ConnectFailure, ShowsItsMessageAndResets) {
    const Json d = connectAs(GetParam().account);
    ASSERT_EQ(d["messages"].size(), 1u);
    EXPECT_EQ(d["messages"][0], exclamation(GetParam().message, GetParam().title));
    expectNotConnected(d);
}

INSTANTIATE_TEST_SUITE_P(
    Accounts, ConnectFailure,
    ::testing::Values(
        FailureCase{"PartOfAName", "JANE",
                    "PAY ATTENTION!!! INSERT YOUR NAME AND SURNAME TO IVAO CONNECTED", ""},
        FailureCase{"PartOfAVid", "1234",
                    "PAY ATTENTION!!! INSERT YOUR NAME AND SURNAME TO IVAO CONNECTED", ""},
        FailureCase{"LetterRatingByName", "PETER HALL",
                    "PAY ATTENTION!!! INSERT YOUR NAME AND SURNAME TO IVAO CONNECTED", ""},
        FailureCase{"NineCharacterCallsign", "NINE CHARS", kNotFound, ""},
        FailureCase{"UnknownAccount", "NOBODY HERE", kNotFound, ""},
        FailureCase{"OnlySpaces", "   ", kNotFound, ""},
        FailureCase{"CodeNotFitForAFileName", "BAD CODE",
                    "PAY ATTENTION!!! THE STATION CODE \"ED/X\" IS NOT 4 LETTERS OR DIGITS, SO "
                    "NO PROCEDURE FILE CAN BE OPENED FOR IT",
                    ""}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(ConnectScript, AnEmptyAccountAsksForOne) {
    ASSERT_EQ(run("start\ntype TxtOperatorName X\nkey TxtOperatorName 8\nclick CmdExecute\ndump\n"),
              0);
    const Json& d = dumps.back();
    EXPECT_EQ(
        d["messages"],
        Json::array({exclamation("PAY ATTENTION!!! INSERT YOUR ACCOUNT (NORMALLY NAME AND SURNAME "
                                 "OR VID NUMBER) IVAO CONNECTED")}));
    expectNotConnected(d);
}

TEST_F(ConnectScript, WithoutSnapshotSettingTheImportButtonIsAskedFor) {
    std::filesystem::remove(home.file("DATA/dirRecent.txt"));
    const Json d = connectAs("JANE DOE");
    EXPECT_EQ(d["messages"], Json::array({exclamation("PAY ATTENTION!!! IMPORTANT FILE NOT FOUND "
                                                      "PLEASE USE IVAO IMPORT DATA BUTTON")}));
    expectNotConnected(d);
    EXPECT_FALSE(home.exists("DATA/dirRecent.txt"));
}

TEST_F(ConnectScript, WithoutProcedureSettingAnAirportIsRefusedButACentreConnects) {
    std::filesystem::remove(home.file("DATA/dirSidStar.txt"));
    Json d = connectAs("JANE DOE");
    EXPECT_EQ(d["messages"], Json::array({exclamation("PAY ATTENTION!!! IMPORTANT FILE NO FOUND. "
                                                      "PLEASE USE UPDATE AIRAC BUTTON")}));
    expectNotConnected(d);
    d = connectAs("KLAUS MÜLLER");
    expectConnected(d);
}

TEST_F(ConnectScript, WithoutSquawkTableTheConnectIsReset) {
    std::filesystem::remove(home.file("DATA/ssr_code.txt"));
    const Json d = connectAs("JANE DOE");
    EXPECT_EQ(d["messages"],
              Json::array({exclamation("PAY ATTENTION!!! SSR_CODE.TXT NOT PRESENT INSIDE FOLDER. "
                                       "PLEASE CREATE THIS FILE EMPTY IN DATA FOLDERY")}));
    expectNotConnected(d);
}

TEST_F(ConnectScript, ASnapshotFolderThatDoesNotExistIsError76) {
    home.write("DATA/dirRecent.txt", home.file("nowhere/recent.dat") + "\r\n");
    const Json d = connectAs("JANE DOE");
    EXPECT_EQ(d["messages"],
              Json::array({exclamation("PAY ATTENTION!!! YOUR THE EYE DIRECTORY OR SIDSTAR "
                                       "DIRECTORY DON'T EXIST USE IVAO DATA IMPORT OR UPDATE "
                                       "AIRAC TO SET ",
                                       "DIRECTORY DON' SET")}));
    expectNotConnected(d);
}

TEST_F(ConnectScript, AProceduresFolderThatDoesNotExistIsError76) {
    home.write("DATA/dirSidStar.txt", home.file("nowhere") + "\r\n");
    const Json d = connectAs("JANE DOE");
    ASSERT_EQ(d["messages"].size(), 1u);
    EXPECT_EQ(d["messages"][0]["title"], "DIRECTORY DON' SET");
    expectNotConnected(d);
}

TEST_F(ConnectScript, ASnapshotMissingFromAnExistingFolderIsNamed) {
    home.write("radar/.keep", "");
    home.write("DATA/dirRecent.txt", home.file("radar/recent.dat") + "\r\n");
    const Json d = connectAs("JANE DOE");
    EXPECT_EQ(
        d["messages"],
        Json::array({exclamation("PAY ATTENTION!!! TRAFFIC FILE " + home.file("radar/recent.dat") +
                                 " NOT FOUND. START THE EYE OR IVAE, OR USE DATA EYE FOLDER "
                                 "TO CHOOSE ITS DATA FOLDER")}));
    expectNotConnected(d);
}

TEST_F(ConnectScript, ASnapshotPathNamingAFolderIsNamed) {
    home.write("radar/recent.dat/.keep", "");
    home.write("DATA/dirRecent.txt", home.file("radar/recent.dat") + "\r\n");
    const Json d = connectAs("JANE DOE");
    EXPECT_EQ(d["messages"], Json::array({exclamation("PAY ATTENTION!!! CANNOT READ FILE " +
                                                      home.file("radar/recent.dat") +
                                                      " (IT IS A FOLDER, NOT A FILE)")}));
    expectNotConnected(d);
}

TEST_F(ConnectScript, AResetThenAnotherStationForgetsTheCentre) {
    ASSERT_EQ(run("start\ntype TxtOperatorName ANNA BIANCHI\nclick CmdExecute\nclick Command3(7)\n"
                  "type TxtOperatorName JANE DOE\nclick CmdExecute\ndump\n"),
              0);
    const Json& d = dumps.back();
    EXPECT_EQ(d["state"]["CentreMode"], false);
    EXPECT_EQ(d["state"]["AirportCode"], "EDDF");
    EXPECT_EQ(d["items"]["LstArrival"], Json::array({"AZA401"}));
}

}  // namespace
}  // namespace corvane
