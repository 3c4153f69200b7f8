#include "traffic/ParameterMessage.h"

#include <gtest/gtest.h>

#include "app/BlinkTimer.h"
#include "app/Colours.h"
#include "app/Label.h"
#include "support/CaseName.h"

namespace corvane {
namespace {

struct MessageCase {
    const char* name;
    const char* phase;
    FlightFigures figures;  // altitude, ground speed, level, TAS, distance to go
    const char* caption;
    int fontSize;
};

class DepartureMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(DepartureMessages, FirstRuleThatHoldsIsShown) {
    const MessageCase& c = GetParam();
    const ParameterAdvice advice = ParameterMessage::departure(c.phase, c.figures);
    EXPECT_EQ(advice.caption, c.caption);
    EXPECT_EQ(advice.fontSize, c.fontSize);
    EXPECT_EQ(advice.warning, std::string(c.caption) != "N O R M A L");
}

constexpr const char* kLevel = "CURRENT ALT DIFFERENT FL FILED - CORRECTION REACHING FL FILED";
constexpr const char* kGround = "HIGH CURRENT SPEED ON THE GROUND - CORRECTION DECREASE SPEED";
constexpr const char* kDescend = "HIGH ALTITUDE - CORRECTION START DESCEND";
constexpr const char* kApproachSpeed = "HIGH SPEED IN APPROAH - CORRECTION DECREASE SPEED";
constexpr const char* kOverspeed = "OVERSPEED - CORRECTION DECREASE SPEED";
constexpr const char* kApproachAlt = "HIGH ALTITUDE - CORRECTION DECREASE ALTITUDE";
constexpr const char* kOutside = "OUTSIDE RADAR COVERTURE";
constexpr const char* kNormal = "N O R M A L";

INSTANTIATE_TEST_SUITE_P(
    Table, DepartureMessages,
    ::testing::Values(
        MessageCase{"EnRouteBelowLevel", "EN ROUTE", {33500, 450, 350, 450, 300}, kLevel, 12},
        MessageCase{"AboveLevelInAnyPhase", "CLIMBING", {35401, 450, 350, 450, 300}, kLevel, 12},
        MessageCase{"WithinFourHundredFeet", "EN ROUTE", {35100, 460, 350, 450, 400}, kNormal, 22},
        MessageCase{"TooHighForTheDistance", "EN ROUTE", {35100, 460, 350, 450, 90}, kDescend, 14},
        MessageCase{"TaxiingTooFast", "TAXING", {364, 60, 360, 450, 600}, kGround, 12},
        MessageCase{"TaxiingAtFortyIsFine", "TAXING", {364, 40, 360, 450, 600}, kNormal, 22},
        MessageCase{
            "ApproachTooFast", "APPROACHING", {9000, 260, 240, 450, 18}, kApproachSpeed, 12},
        MessageCase{"ApproachSpeedLimitEndsAt19Miles",
                    "APPROACHING",
                    {9000, 260, 240, 450, 19},
                    kNormal,
                    22},
        MessageCase{"Overspeed", "EN ROUTE", {35000, 501, 350, 450, 600}, kOverspeed, 13},
        MessageCase{
            "FiftyKnotsOverIsNotOverspeed", "EN ROUTE", {35000, 500, 350, 450, 600}, kNormal, 22},
        MessageCase{"ApproachTooHigh", "APPROACHING", {12000, 200, 240, 450, 9}, kApproachAlt, 12},
        MessageCase{"OnTheGround", "ON THE GROUND", {364, 0, 360, 450, 600}, kNormal, 22},
        // F350, 1500 ft, 1.5 NM, 140 kt: rules 4 and 6 ask for "APPROACHING".
        MessageCase{"FinalApproach", "FINAL APPROACHING", {1500, 140, 350, 450, 1.5}, kNormal, 22},
        MessageCase{"LevelRuleComesFirst", "TAXING", {36000, 60, 350, 450, 1}, kLevel, 12}),
    test::caseName<MessageCase>);

class ArrivalMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ArrivalMessages, FirstRuleThatHoldsIsShown) {
    const MessageCase& c = GetParam();
    const ParameterAdvice advice = ParameterMessage::arrival(c.phase, c.figures);
    EXPECT_EQ(advice.caption, c.caption);
    EXPECT_EQ(advice.fontSize, c.fontSize);
    EXPECT_EQ(advice.warning, std::string(c.caption) != "N O R M A L");
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArrivalMessages,
    ::testing::Values(
        // F350 at 36000 ft: en route and above 35400 ft.
        MessageCase{"EnRoute", "EN ROUTE", {36000, 450, 350, 450, 300}, kOutside, 13},
        MessageCase{"Climbing", "CLIMBING", {12000, 300, 360, 450, 500}, kOutside, 13},
        MessageCase{"AboveLevel", "DESCENDING", {35401, 300, 350, 450, 500}, kOutside, 13},
        MessageCase{"TaxiingTooFast", "TAXING", {364, 41, 360, 450, 600}, kGround, 11},
        MessageCase{
            "TooHighForTheDistance", "DESCENDING", {30000, 400, 310, 450, 60}, kDescend, 13},
        // F240, 9000 ft, 8 NM, 230 kt: (9000 - 5000) / 300 > 8 but 9000 < 22000.
        MessageCase{"ApproachTooFast", "APPROACHING", {9000, 230, 240, 450, 8}, kApproachSpeed, 11},
        MessageCase{"ApproachSpeedLimitEndsAt10Miles",
                    "APPROACHING",
                    {9000, 230, 240, 450, 10},
                    kNormal,
                    22},
        // The same aircraft at 200 kt and 12000 ft, 9 NM.
        MessageCase{"ApproachTooHigh", "APPROACHING", {12000, 200, 240, 450, 9}, kApproachAlt, 13},
        MessageCase{"FinalApproach", "FINAL APPROACHING", {1500, 140, 350, 450, 1}, kNormal, 22},
        MessageCase{
            "NoOverspeedOnThisSide", "DESCENDING", {20000, 600, 360, 450, 100}, kNormal, 22},
        MessageCase{"LocalFlight", "LOCAL FLIGHT", {2000, 100, 30, 100, 5}, kNormal, 22}),
    test::caseName<MessageCase>);

TEST(ParameterMessage, ProblemIsRedAtFourteen) {
    const ParameterAdvice advice = ParameterMessage::problem();
    EXPECT_EQ(advice.caption, "P R O B L E M -  don't use aircraft");
    EXPECT_EQ(advice.fontSize, 14);
    EXPECT_TRUE(advice.warning);
}

TEST(ParameterMessage, AdviceBlinksInRed) {
    Label label{"lblParam", "", false, colour::kYellow, 16};
    BlinkTimer timer{"Timer1", false, 500};
    ParameterMessage::show({kOverspeed, 13, true}, label, timer);
    EXPECT_TRUE(timer.enabled);
    EXPECT_EQ(label.backColour, colour::kRed);
    EXPECT_EQ(label.fontSize, 13);
    EXPECT_EQ(label.text, kOverspeed);
    EXPECT_FALSE(label.visible);  // the blink owns the visibility
}

TEST(ParameterMessage, NormalIsSteadyYellow) {
    Label label{"lblParArr", "OLD", true, colour::kRed, 11};
    BlinkTimer timer{"Timer2", true, 500};
    ParameterMessage::show({kNormal, 22, false}, label, timer);
    EXPECT_FALSE(timer.enabled);
    EXPECT_EQ(label.backColour, colour::kYellow);
    EXPECT_EQ(label.fontSize, 22);
    EXPECT_EQ(label.text, kNormal);
}

}  // namespace
}  // namespace corvane
