#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "station/ConnectOperation.h"
#include "support/AppFixture.h"
#include "support/SnapshotLines.h"

namespace corvane {
namespace {

class Connect : public test::AppFixture {
protected:
    Connect() {
        home.write("radar/recent.dat", "");
        home.write("procedures/EDDF.txt", "RNW 25L\r\nENDRNWS\r\n");
        home.write("DATA/dirRecent.txt", home.file("radar/recent.dat") + "\r\n");
        home.write("DATA/dirSidStar.txt", home.file("procedures") + "\r\n");
        home.write("DATA/ssr_code.txt", "EDDF:2301:2377:5000\r\n");
        start();
    }
    void connect(const std::string& snapshot, const std::string& account) {
        home.write("radar/recent.dat", snapshot);
        type("TxtOperatorName", account);
        app->click("CmdExecute");
    }
};

TEST_F(Connect, ARatingThatIsNoWholeNumberLeavesTheRatingAsItWas) {
    window().LblRating.text = "EARLIER";
    connect("EDDF_APP:123456:JANE DOE:5.5:::Frankfurt:::::::Q1013:\r\n", "JANE DOE");
    EXPECT_EQ(window().LblRating.text, "EARLIER");
    EXPECT_EQ(window().LblPositionName.text, "EDDF_APP");
    EXPECT_EQ(window().LblSquawk.text, "2301");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Connect, ALaterBadRatingDoesNotReuseTheEarlierOne) {
    connect(
        "EDDF_APP:123456:JANE DOE:5:::Frankfurt:::::::Q1013:\r\n"
        "EDDF_APP:123456:JANE DOE:9X:::Frankfurt:::::::Q1013:\r\n",
        "JANE DOE");
    EXPECT_EQ(window().LblRating.text, "ADC : Aerodrome Controller");
}

TEST_F(Connect, ATwelveCharacterCallsignThatIsNoCentreRunsTheFields) {
    connect("EDDF_NRT_APP:123456:JANE DOE:6:::Frankfurt North:::::::Q1013:\r\n", "JANE DOE");
    EXPECT_EQ(window().LblPositionName.text, "EDDF_NRT_APP");
    EXPECT_EQ(window().LblRating.text, "APC : Approach Controller");
    EXPECT_EQ(window().lblPosition.text, "APPROACH CONTROL");
    EXPECT_FALSE(state().CentreMode);
}

TEST_F(Connect, ATenCharacterCentreTakesItsFirstTenCharactersAsPositionName) {
    connect("LIRR_W_CTR:567890:ANNA BIANCHI:6:::Roma:::::::LIRR Q1020::\r\n", "ANNA BIANCHI");
    EXPECT_TRUE(state().CentreMode);
    EXPECT_EQ(window().LblPositionName.text, "LIRR_W_CTR");
    EXPECT_EQ(window().lblPosition.text, "AREA CENTER CONTROL");
    EXPECT_EQ(state().AirportCode, "LIRR");
}

TEST_F(Connect, ALineMatchingInOneLayoutSetsNothingInAnother) {
    // The separators of an 8-character callsign are not where a 10-character one has them.
    connect("EDDF_APP:123456:JANE DOE:5:::Frankfurt:::::::Q1013:\r\n", "123456");
    EXPECT_EQ(window().LblPositionName.text, "EDDF_APP");
    EXPECT_EQ(window().CmbTORwy.items, std::vector<std::string>{"25L"});
}

TEST_F(Connect, AStationCodeWithAPathInItNeverReachesTheFileSystem) {
    home.write("secret.txt", "RNW 99X\r\n");
    connect("../s_TWR:123456:JANE DOE:5:::X:::::::Q1013:\r\n", "JANE DOE");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text.rfind("PAY ATTENTION!!! THE STATION CODE \"../s\"", 0), 0u);
    EXPECT_TRUE(window().CmbTORwy.items.empty());
    EXPECT_TRUE(window().TxtOperatorName.enabled);
}

TEST_F(Connect, ARefusedNameStopsAtOnce) {
    connect(
        "EDDF_APP:123456:JANE DOE:5:::Frankfurt:::::::Q1013:\r\n"
        "EDDF_TWR:654321:JANE DOES:5:::Frankfurt Tower:::::::Q1013:\r\n",
        "JANE DOE");
    EXPECT_EQ(platform.messageTexts(),
              std::vector<std::string>{
                  "PAY ATTENTION!!! INSERT YOUR NAME AND SURNAME TO IVAO CONNECTED"});
    EXPECT_EQ(window().LblPositionName.text, "");
    EXPECT_TRUE(window().LstDeparture.items.empty());
}

// A pilot line of 47 fields, with its line end.
std::string pilot(const std::string& callsign, const std::string& dep, const std::string& dest,
                  const std::string& area = "", const std::string& areaDep = "",
                  const std::string& areaArr = "") {
    return test::pilotLine(callsign, 47, dep, dest, area, areaDep, areaArr) + "\r\n";
}

using Callsigns = std::vector<std::string>;

TEST_F(Connect, TrafficBeforeAndAfterTheStationLineIsListedInFileOrder) {
    connect(pilot("DLH1", "EDDF", "EDDM") + pilot("AFR2", "LFPG", "EDDF") +
                "EDDF_APP:123456:JANE DOE:5:::Frankfurt:::::::Q1013:\r\n" +
                pilot("BAW3", "EDDF", "EGLL") + pilot("DLH4", "EDDF", "EDDF"),
            "JANE DOE");
    EXPECT_EQ(window().LstDeparture.items, (Callsigns{"DLH1", "BAW3", "DLH4"}));
    EXPECT_EQ(window().LstArrival.items, (Callsigns{"AFR2", "DLH4"}));
}

TEST_F(Connect, ALaterMatchForAnotherStationListsThatStationsTrafficOnly) {
    home.write("procedures/EDDM.txt", "RNW 26R\r\nENDRNWS\r\n");
    home.write("DATA/ssr_code.txt", "EDDF:2301:2377:5000\r\nEDDM:3301:3377:5000\r\n");
    connect(pilot("M1", "EDDM", "EDDF") +
                "EDDF_APP:123456:JANE DOE:5:::Frankfurt:::::::Q1013:\r\n" +
                pilot("F2", "EDDF", "EDDM") + pilot("M3", "LOWW", "EDDM") +
                "EDDM_TWR:123456:JANE DOE:4:::Muenchen:::::::Q1015:\r\n" +
                pilot("M4", "EDDM", "EDDM") + pilot("F5", "EDDF", "LOWW"),
            "JANE DOE");
    EXPECT_EQ(state().AirportCode, "EDDM");
    EXPECT_EQ(window().LstDeparture.items, (Callsigns{"M1", "M4"}));
    EXPECT_EQ(window().LstArrival.items, (Callsigns{"F2", "M3", "M4"}));
}

TEST_F(Connect, ALaterMatchForTheSameStationKeepsEveryLineListed) {
    connect(pilot("F1", "EDDF", "") + "EDDF_APP:123456:JANE DOE:5:::Frankfurt:::::::Q1013:\r\n" +
                pilot("F2", "EDDF", "") +
                "EDDF_APP:123456:JANE DOE:5:::Frankfurt:::::::Q1013:\r\n" + pilot("F3", "EDDF", ""),
            "JANE DOE");
    EXPECT_EQ(window().LstDeparture.items, (Callsigns{"F1", "F2", "F3"}));
}

TEST_F(Connect, ACentreFoundAfterAnAerodromeOfTheSameCodeListsByArea) {
    connect(pilot("C1", "LIRA", "LIRN", "LIRR", "LIRR", "LIRR") +
                "LIRR_APP:567890:ANNA BIANCHI:5:::Roma:::::::LIRR Q1020::\r\n" +
                pilot("C2", "LIRF", "LIRN", "LIRR", "LIRR", "LIMM") +
                "LIRR_W_CTR:567890:ANNA BIANCHI:6:::Roma:::::::LIRR Q1020::\r\n" +
                pilot("C3", "LIMC", "LIRN", "LIRR", "LIMM", "LIRR"),
            "ANNA BIANCHI");
    EXPECT_TRUE(state().CentreMode);
    EXPECT_EQ(window().LstDeparture.items, (Callsigns{"C1", "C2"}));
    EXPECT_EQ(window().LstArrival.items, (Callsigns{"C1", "C3"}));
}

}  // namespace
}  // namespace corvane
