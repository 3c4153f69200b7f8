#include <gtest/gtest.h>

#include "station/SquawkTable.h"
#include "support/AppFixture.h"

namespace corvane {
namespace {

using test::AppFixture;

class SquawkFixture : public AppFixture {};

constexpr const char* kNotInTable =
    "AIRPORT ICAO CODE NOT PRESENT IN SSR_CODE.TXT. PLEASE OPEN WITH NOTEPAD THE FILE AND INSERT "
    "MANUALLY ICAO CODE IN THIS MODE  ICAO CODE:SQUAWK1:SQUAWK2:TRANSITION ALTITUDE.";

struct TableCase {
    const char* name;
    const char* table;  // file bytes
    const char* first;
    const char* last;
    const char* altitude;
    const char* level;  // lblTL after the step ("PREV" when untouched)
    bool notFound;
};

class SquawkSearch : public AppFixture, public ::testing::WithParamInterface<TableCase> {
protected:
    SquawkSearch() {
        state().AirportCode = "EDDF";
        window().LblAtisInf.text = "EDDF Q1013";
        window().lblQNH.text = "1013";
        state().QnhPosition = 6;
        window().lblTA.text = "PREV";
        window().lblTL.text = "PREV";
        window().lblPollici.text = "PREV";
    }
};

TEST_P(SquawkSearch, ReadsTheAirportLine) {
    home.write("DATA/ssr_code.txt", GetParam().table);
    ASSERT_TRUE(SquawkTable::load(context()));
    EXPECT_EQ(window().Lblr1_1.text, GetParam().first);
    EXPECT_EQ(window().Lblr2_1.text, GetParam().last);
    EXPECT_EQ(window().LblSquawk.text, GetParam().first);
    EXPECT_EQ(window().lblTA.text, GetParam().altitude);
    EXPECT_EQ(window().lblTL.text, GetParam().level);
    if (GetParam().notFound) {
        EXPECT_EQ(platform.messageTexts(), std::vector<std::string>{kNotInTable});
    } else {
        EXPECT_TRUE(platform.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SquawkSearch,
    ::testing::Values(
        TableCase{"Listed", "EDDF:2301:2377:5000\r\n", "2301", "2377", "5000", "65", false},
        TableCase{"FirstWithAltitudeWins", "EDDF:2301:2377:5000\r\nEDDF:1111:1177:7000\r\n", "2301",
                  "2377", "5000", "65", false},
        TableCase{"Missing", "LIRF:1501:1577:6000\r\n", "6000", "6077", "PREV", "PREV", true},
        TableCase{"Empty", "", "6000", "6077", "PREV", "PREV", true},
        TableCase{"LowerCaseCode", "eddf:2301:2377:5000\n", "6000", "6077", "PREV", "PREV", true},
        TableCase{"BlankAltitude", "EDDF:2301:2377:   \n", "2301", "2377", "   ", "15", false},
        TableCase{"WithoutAltitudeThenOthers", "EDDF:2301:2377\r\nLIRF:1501:1577:6000\r\n", "2301",
                  "2377", "", "", false},
        TableCase{"WithoutAltitudeLast", "LIRF:1501:1577:6000\nEDDF:2301:2377:", "2301", "2377", "",
                  "", false},
        TableCase{"LaterAltitudeTakesOver",
                  "EDDF:2301:2377\r\nLIRF:1501:1577:6000\r\nEDDF:3301:3377:6000\r\n", "3301",
                  "3377", "6000", "75", false},
        TableCase{"ShortLines", "EDDF\r\nEDD\r\n\r\n", "", "", "", "", false},
        TableCase{"CodesCutShort", "EDDF:23", "23", "", "", "", false},
        TableCase{"LongAltitudeCut", "EDDF:2301:2377:180000 FT", "2301", "2377", "18000", "195",
                  false},
        TableCase{"Utf8BeforeTheCode", "ÉDDF:2301:2377:5000\nEDDF:4401:4477:5000", "4401", "4477",
                  "5000", "65", false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(SquawkFixture, AMissingSquawkTableResetsTheConnection) {
    state().AirportCode = "EDDF";
    EXPECT_FALSE(SquawkTable::load(context()));
    EXPECT_EQ(platform.messageTexts(),
              std::vector<std::string>{"PAY ATTENTION!!! SSR_CODE.TXT NOT PRESENT INSIDE FOLDER. "
                                       "PLEASE CREATE THIS FILE EMPTY IN DATA FOLDERY"});
    EXPECT_TRUE(window().TxtOperatorName.enabled);
    EXPECT_FALSE(window().command(0).enabled);
}

TEST_F(SquawkFixture, TheSquawkTableIsFoundWhateverItsLetterCase) {
    state().AirportCode = "EDDF";
    home.write("DATA/SSR_CODE.TXT", "EDDF:2301:2377:5000\r\n");
    EXPECT_TRUE(SquawkTable::load(context()));
    EXPECT_EQ(window().LblSquawk.text, "2301");
}

}  // namespace
}  // namespace corvane
