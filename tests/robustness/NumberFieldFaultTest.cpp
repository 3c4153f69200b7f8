// Numbers out of range in every numeric field the program reads: the snapshot's station and
// pilot fields, the squawk table and the ATIS. Each reading ends in a plain number (never NaN,
// infinity or an exponent), the field's text as it stands, or a clear message.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "SessionFixture.h"
#include "station/SnapshotField.h"

namespace corvane {
namespace {

const std::vector<std::string> kBadNumbers = {"99999",
                                              "-99999",
                                              "1e308",
                                              "-1e308",
                                              "nan",
                                              "inf",
                                              "-inf",
                                              "-0",
                                              "0",
                                              std::string(400, '9'),
                                              "-" + std::string(400, '9'),
                                              "0." + std::string(400, '0') + "1",
                                              "",
                                              " ",
                                              "12abc",
                                              "+-1",
                                              "..",
                                              "\xEF\xBC\x91"};  // last: a full-width digit one

// True for "", or plain decimal text: optional minus, digits, optional fraction.
bool isPlainNumber(const std::string& text) {
    if (text.empty()) {
        return true;
    }
    std::size_t i = text[0] == '-' ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            digits = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

struct PilotField {
    const char* name;
    int index;
};

const std::vector<PilotField> kPilotNumberFields = {
    {"latitude", snapshot::Latitude},       {"longitude", snapshot::Longitude},
    {"altitude", snapshot::Altitude},       {"groundspeed", snapshot::GroundSpeed},
    {"deplat", snapshot::DepLat},           {"deplon", snapshot::DepLon},
    {"destlat", snapshot::DestLat},         {"destlon", snapshot::DestLon},
    {"cruiselevel", snapshot::CruiseLevel}, {"cruisespeed", snapshot::CruiseSpeed},
    {"deptime", snapshot::DepTime},         {"eet", snapshot::Eet},
    {"endurance", snapshot::Endurance},     {"squawk", snapshot::Squawk},
    {"pob", snapshot::PersonsOnBoard},
};

class PilotNumberFaultTest : public test::SessionFixture,
                             public ::testing::WithParamInterface<PilotField> {
protected:
    // The computed labels of both analyses and the distance kept for the sheet.
    void expectPlainComputedNumbers(const std::string& context) {
        const MainWindowModel& w = window();
        for (const Label* label : {&w.LblDistanceFP, &w.lblDistanceArr, &w.lblRemainNm, &w.lblEATmn,
                                   &w.lblEAThR, &w.lblTL, &w.lblPollici}) {
            EXPECT_TRUE(isPlainNumber(label->text)) << context << ": " << label->text;
        }
        EXPECT_TRUE(std::isfinite(state().DistanceToGo)) << context;
    }
};

TEST_P(PilotNumberFaultTest, BothAnalysesGivePlainNumbersOrTheTextAsItStands) {
    const PilotField field = GetParam();
    for (const std::string& bad : kBadNumbers) {
        SCOPED_TRACE(std::string(field.name) + " = '" + bad + "'");
        std::string snapshot = sessionData("recent.dat");
        snapshot += pilotLine({{0, "BAD1"}, {field.index, bad}}) + "\r\n";
        snapshot +=
            pilotLine({{0, "BAD2"}, {16, "LIRF"}, {21, "EDDT"}, {field.index, bad}}) + "\r\n";
        home.write("radar/recent.dat", snapshot);
        app->click("Command3(7)");
        connect();
        ASSERT_TRUE(connected());
        ASSERT_EQ(window().LstDeparture.items,
                  (std::vector<std::string>{"ABC12", "XYZ345", "BAD1"}));
        app->click("Command3(1)");
        app->select("LstDeparture", 2);
        ASSERT_TRUE(state().DeparturePlan.has_value());
        EXPECT_EQ(state().DeparturePlan->Callsign, "BAD1");
        expectPlainComputedNumbers("departure");
        if (field.index == snapshot::Altitude) {
            EXPECT_EQ(window().lblCurrentAlt.text, bad);
        }
        app->click("Command3(3)");
        app->select("LstArrival", 1);
        ASSERT_TRUE(state().ArrivalPlan.has_value());
        EXPECT_EQ(state().ArrivalPlan->Callsign, "BAD2");
        expectPlainComputedNumbers("arrival");
        EXPECT_TRUE(everyMessageIsAnExclamation());
        EXPECT_TRUE(state().running);
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, PilotNumberFaultTest, ::testing::ValuesIn(kPilotNumberFields),
                         [](const auto& param) { return std::string(param.param.name); });

struct RatingCase {
    const char* name;
    std::string rating;
    bool wholeNameRefused;  // the first character is no digit 1-9
};

class RatingFaultTest : public test::SessionFixture,
                        public ::testing::WithParamInterface<RatingCase> {};

TEST_P(RatingFaultTest, UnnamedRatingConnectsWithoutCaptionOrIsRefusedByTheNameCheck) {
    const RatingCase& c = GetParam();
    std::string snapshot = sessionData("recent.dat");
    snapshot.replace(snapshot.find(":5:"), 3, ":" + c.rating + ":");
    home.write("radar/recent.dat", snapshot);
    connect();
    if (c.wholeNameRefused) {
        EXPECT_EQ(messages(),
                  (std::vector<std::string>{
                      "PAY ATTENTION!!! INSERT YOUR NAME AND SURNAME TO IVAO CONNECTED"}));
        EXPECT_FALSE(connected());
    } else {
        EXPECT_TRUE(messages().empty());
        EXPECT_TRUE(connected());
        EXPECT_EQ(window().LstDeparture.items, (std::vector<std::string>{"ABC12", "XYZ345"}));
    }
    EXPECT_EQ(window().LblRating.text, "");
}

INSTANTIATE_TEST_SUITE_P(
    Ratings, RatingFaultTest,
    ::testing::Values(RatingCase{"TooLargeFor16Bits", "99999", false},
                      RatingCase{"Exponent", "1e308", false},
                      RatingCase{"HugeDigitString", std::string(400, '9'), false},
                      RatingCase{"Fraction", "5.5", false}, RatingCase{"Unnamed13", "13", false},
                      RatingCase{"NotANumber", "nan", true}, RatingCase{"Infinity", "inf", true},
                      RatingCase{"MinusZero", "-0", true}, RatingCase{"Negative", "-5", true},
                      RatingCase{"Zero", "0", true}, RatingCase{"Empty", "", true}),
    [](const auto& param) { return std::string(param.param.name); });

class SquawkTableNumberTest : public test::SessionFixture,
                              public ::testing::WithParamInterface<std::string> {};

TEST_P(SquawkTableNumberTest, BadRangeOrAltitudeNeverGivesABadCode) {
    const std::string& bad = GetParam();
    for (const std::string& line :
         {"EDDT:" + bad + ":2377:5000", "EDDT:2301:" + bad + ":5000", "EDDT:2301:2377:" + bad}) {
        SCOPED_TRACE(line);
        home.write("DATA/ssr_code.txt", line + "\r\n");
        app->click("Command3(7)");
        connect();
        ASSERT_TRUE(connected());
        EXPECT_TRUE(isPlainNumber(window().lblTL.text)) << window().lblTL.text;
        ASSERT_TRUE(prepareDeparture("ABC12"));
        const std::size_t before = platform.fake.messages.size();
        const std::size_t cleared = window().List1.items.size();
        app->click("cmdSidGen");
        if (window().List1.items.size() == cleared) {
            ASSERT_EQ(platform.fake.messages.size(), before + 1);
            EXPECT_EQ(platform.fake.messages.back().text,
                      "PAY ATTENTION!!! NO TRANSPONDER CODE GENERATED PLEASE INDICATE THE RANGE");
        } else {
            // A code is given out only from a well-formed range: four octal digits.
            const std::string code = window().List1.items.back().substr(10);
            EXPECT_EQ(code.size(), 4U) << code;
            EXPECT_EQ(code.find_first_not_of("01234567"), std::string::npos) << code;
        }
        EXPECT_TRUE(everyMessageIsAnExclamation());
    }
}

INSTANTIATE_TEST_SUITE_P(Values, SquawkTableNumberTest, ::testing::ValuesIn(kBadNumbers));

class AtisNumberTest : public test::SessionFixture,
                       public ::testing::WithParamInterface<std::string> {};

TEST_P(AtisNumberTest, PressureGroupGivesPlainNumbersOrTheMessage) {
    std::string snapshot = sessionData("recent.dat");
    snapshot.replace(snapshot.find("Q1013"), 5, "Q1" + GetParam());
    home.write("radar/recent.dat", snapshot);
    connect();
    ASSERT_TRUE(connected());
    EXPECT_TRUE(isPlainNumber(window().lblTL.text)) << window().lblTL.text;
    EXPECT_TRUE(isPlainNumber(window().lblPollici.text)) << window().lblPollici.text;
    EXPECT_TRUE(everyMessageIsAnExclamation());
}

INSTANTIATE_TEST_SUITE_P(Values, AtisNumberTest, ::testing::ValuesIn(kBadNumbers));

}  // namespace
}  // namespace corvane
