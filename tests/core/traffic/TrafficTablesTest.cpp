#include <gtest/gtest.h>

#include <iomanip>

#include "app/BlinkTimer.h"
#include "app/Colours.h"
#include "app/Label.h"
#include "support/CaseTable.h"
#include "traffic/FlightPhase.h"
#include "traffic/FlightPlanDecoding.h"
#include "traffic/GreatCircle.h"
#include "traffic/ParameterMessage.h"

namespace corvane {
namespace {

using D = FlightPlanDecoding;
using test::CaseRow;

double number(const CaseRow& c, std::size_t i) {
    return std::stod(c[i]);
}

// `value` to `digits` significant digits.
std::string digits(double value, const std::string& digits) {
    std::ostringstream out;
    out << std::setprecision(std::stoi(digits)) << value;
    return out.str();
}

const test::TextFunctions kTraffic = {
    {"cruisingLevel", [](const CaseRow& c) { return D::cruisingLevel(c[1]); }},
    {"cruisingSpeed", [](const CaseRow& c) { return D::cruisingSpeed(c[1]); }},
    {"time", [](const CaseRow& c) { return test::orNone(D::time(c[1])); }},
    {"expectedSid", [](const CaseRow& c) { return test::orNone(D::expectedSid(c[1])); }},
    {"expectedStar", [](const CaseRow& c) { return test::orNone(D::expectedStar(c[1])); }},
    {"planningSpeed",
     [](const CaseRow& c) { return test::decimal(D::planningSpeed(number(c, 1))); }},
    {"flyingTime",
     [](const CaseRow& c) {
         const FlyingTime t = D::flyingTime(number(c, 1), number(c, 2));
         return std::to_string(t.hours) + " h " + std::to_string(t.minutes) + " min";
     }},
    {"clockDigits", [](const CaseRow& c) { return D::clockDigits(std::stoll(c[1])); }},
    {"distance",
     [](const CaseRow& c) {
         return test::decimal(
             GreatCircle::distanceNm(number(c, 1), number(c, 2), number(c, 3), number(c, 4)));
     }},
    {"arccos", [](const CaseRow& c) { return digits(GreatCircle::arccos(number(c, 1)), c[2]); }},
    {"radians", [](const CaseRow& c) { return digits(GreatCircle::radians(number(c, 1)), c[2]); }},
    {"constants",
     [](const CaseRow&) {
         return digits(GreatCircle::kPi, "15") + " " + digits(GreatCircle::kEarthRadiusKm, "15") +
                " " + digits(GreatCircle::kNmPerKm, "15");
     }},
};

CORVANE_TEXT_TABLE(Decoding, kTraffic, "traffic/decoding.tsv");
CORVANE_TEXT_TABLE(GreatCircles, kTraffic, "traffic/great-circle.tsv");

class PhaseRules : public ::testing::TestWithParam<CaseRow> {};

TEST_P(PhaseRules, GivePhaseAndBothMessages) {
    const CaseRow& c = GetParam();
    const FlightFigures figures{std::stod(c[0]), std::stod(c[1]), std::stod(c[2]), std::stod(c[3]),
                                std::stod(c[4])};
    const auto phase = FlightPhase::classify(figures);
    EXPECT_EQ(phase.value_or("-"), c[5]);
    const std::string shown = c[6] == "=" ? c[5] : c[6];
    const ParameterAdvice departure = ParameterMessage::departure(shown, figures);
    const ParameterAdvice arrival = ParameterMessage::arrival(shown, figures);
    EXPECT_EQ(departure.caption, c[7]);
    EXPECT_EQ(departure.fontSize, std::stoi(c[8]));
    EXPECT_EQ(departure.warning, c[7] != ParameterMessage::kNormal);
    EXPECT_EQ(arrival.caption, c[9]);
    EXPECT_EQ(arrival.fontSize, std::stoi(c[10]));
    EXPECT_EQ(arrival.warning, c[9] != ParameterMessage::kNormal);
}

CORVANE_CASES(Table, PhaseRules, "traffic/phase-rules.tsv");

TEST(ParameterMessage, AdviceBlinksInRedNormalIsSteadyYellowProblemWarns) {
    Label label{"lblParam", "", false, colour::kYellow, 16};
    BlinkTimer timer{"Timer1", false, 500};
    ParameterMessage::show({"OVERSPEED", 13, true}, label, timer);
    EXPECT_TRUE(timer.enabled);
    EXPECT_EQ(label.backColour, colour::kRed);
    EXPECT_EQ(label.fontSize, 13);
    EXPECT_EQ(label.text, "OVERSPEED");
    EXPECT_FALSE(label.visible);  // the blink owns the visibility
    ParameterMessage::show({"N O R M A L", 22, false}, label, timer);
    EXPECT_FALSE(timer.enabled);
    EXPECT_EQ(label.backColour, colour::kYellow);
    EXPECT_EQ(label.fontSize, 22);
    EXPECT_EQ(label.text, "N O R M A L");
    const ParameterAdvice problem = ParameterMessage::problem();  // red at fourteen
    EXPECT_EQ(problem.caption, "P R O B L E M -  don't use aircraft");
    EXPECT_EQ(problem.fontSize, 14);
    EXPECT_TRUE(problem.warning);
}

}  // namespace
}  // namespace corvane
