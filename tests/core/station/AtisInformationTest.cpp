#include <gtest/gtest.h>

#include "station/AtisInformation.h"
#include "support/AppFixture.h"

namespace corvane {
namespace {

using test::AppFixture;

class AtisFixture : public AppFixture {};

struct AtisCase {
    const char* field;
    const char* shown;
    const char* qnh;
    int position;
    bool warned;
};

class AtisStep : public AppFixture, public ::testing::WithParamInterface<AtisCase> {};

TEST_P(AtisStep, ShowsTheAtisAndItsQnh) {
    window().lblQNH.text = "KEEP";
    state().QnhPosition = 77;
    AtisInformation::showAtis(context(), GetParam().field);
    EXPECT_EQ(window().LblAtisInf.text, GetParam().shown);
    EXPECT_EQ(window().lblQNH.text, GetParam().qnh);
    EXPECT_EQ(state().QnhPosition, GetParam().position);
    if (GetParam().warned) {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, "QNH NOT PRESENT IN ATIS");
        EXPECT_EQ(platform.messages[0].title, "");
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    } else {
        EXPECT_TRUE(platform.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AtisStep,
    ::testing::Values(
        AtisCase{"EDDF INFO K Q1013 NOSIG", "EDDF INFO K Q1013 NOSIG", "1013", 13, false},
        AtisCase{"  Q1013  ", "Q1013", "1013", 1, false},
        AtisCase{"Q1021 AND LATER Q0998", "Q1021 AND LATER Q0998", "0998", 17, false},
        AtisCase{"Q1", "Q1", "1", 1, false}, AtisCase{"Q101", "Q101", "101", 1, false},
        AtisCase{"QNH 1013", "QNH 1013", "", 0, true},
        AtisCase{"1013 HPA", "1013 HPA", "1013", 0, false}, AtisCase{"Q0000", "Q0000", "", 1, true},
        AtisCase{"ÉTÉ Q1005", "ÉTÉ Q1005", "1005", 5, false},
        AtisCase{"q1013", "q1013", "", 0, true},
        AtisCase{"", "NO ATIS AVAILABLE", "KEEP", 77, false},
        AtisCase{"     ", "NO ATIS AVAILABLE", "KEEP", 77, false}));

struct LevelCase {
    const char* qnh;
    const char* altitude;
    const char* level;
    const char* inches;
};

class TransitionLevel : public AppFixture, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(TransitionLevel, AddsTheBandIncrement) {
    const std::string atis = std::string("EDDF Q") + GetParam().qnh;
    AtisInformation::showAtis(context(), atis);
    window().lblTA.text = GetParam().altitude;
    AtisInformation::showTransitionLevel(context());
    EXPECT_EQ(window().lblTL.text, GetParam().level);
    EXPECT_EQ(window().lblPollici.text, GetParam().inches);
    EXPECT_EQ(window().lblQNH.text, GetParam().qnh);
}

INSTANTIATE_TEST_SUITE_P(Bands, TransitionLevel,
                         ::testing::Values(LevelCase{"1013", "5000", "65", "29.91"},
                                           LevelCase{"1014", "6000", "70", "29.94"},
                                           LevelCase{"1013", "6000", "75", "29.91"},
                                           LevelCase{"0995", "6000", "75", "29.38"},
                                           LevelCase{"0994", "6000", "80", "29.35"},
                                           LevelCase{"0977", "6000", "80", "28.85"},
                                           LevelCase{"0976", "6000", "85", "28.82"},
                                           LevelCase{"0998", "6000", "75", "29.47"},
                                           LevelCase{"1013", "5050", "65.5", "29.91"},
                                           LevelCase{"1013", "   ", "15", "29.91"},
                                           LevelCase{"1013", "18000", "195", "29.91"}));

TEST_F(AtisFixture, TransitionLevelWithoutQnhIsEmptied) {
    window().lblQNH.text = "";
    window().lblTL.text = "70";
    window().lblPollici.text = "29.92";
    window().lblTA.text = "5000";
    AtisInformation::showTransitionLevel(context());
    EXPECT_EQ(window().lblTL.text, "");
    EXPECT_EQ(window().lblPollici.text, "29.92");
}

TEST(AtisInformation, IncrementBandsEdges) {
    EXPECT_EQ(AtisInformation::transitionIncrement(976.9), 2500);
    EXPECT_EQ(AtisInformation::transitionIncrement(977), 2000);
    EXPECT_EQ(AtisInformation::transitionIncrement(994.99), 2000);
    EXPECT_EQ(AtisInformation::transitionIncrement(995), 1500);
    EXPECT_EQ(AtisInformation::transitionIncrement(1013.19), 1500);
    EXPECT_EQ(AtisInformation::transitionIncrement(1013.2), 1000);
    EXPECT_EQ(AtisInformation::transitionIncrement(0), 2500);
}

struct InchesCase {
    double qnh;
    const char* inches;
};

class Inches : public ::testing::TestWithParam<InchesCase> {};

TEST_P(Inches, RoundHalfToEvenOnTheDecimalProduct) {
    EXPECT_EQ(AtisInformation::inchesOfMercury(GetParam().qnh), GetParam().inches);
}

// 4952.762 hPa lie 2.6e-12 inch from a half hundredth: the decimal product decides.
INSTANTIATE_TEST_SUITE_P(Values, Inches,
                         ::testing::Values(InchesCase{1013, "29.91"}, InchesCase{998, "29.47"},
                                           InchesCase{1000, "29.53"}, InchesCase{1016, "30"},
                                           InchesCase{1003, "29.62"}, InchesCase{0, "0"},
                                           InchesCase{-1013, "-29.91"}, InchesCase{101.3, "2.99"},
                                           InchesCase{9999, "295.27"},
                                           InchesCase{4952.762, "146.26"}));

TEST(AtisInformation, QnhGroupPositionPrefersQZero) {
    EXPECT_EQ(AtisInformation::qnhPosition("Q1013 Q0998"), 7);
    EXPECT_EQ(AtisInformation::qnhPosition("AQ1013"), 2);
    EXPECT_EQ(AtisInformation::qnhPosition("NONE"), 0);
    EXPECT_EQ(AtisInformation::qnhText("ABCDEFG", 0), "ABCD");
    EXPECT_EQ(AtisInformation::qnhText("XQ10", 2), "10");
}

}  // namespace
}  // namespace corvane
