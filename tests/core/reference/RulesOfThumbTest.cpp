#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "reference/RulesOfThumb.h"

namespace corvane {
namespace {

struct RuleCase {
    int position;
    std::string_view title;
    std::string_view shown;  ///< what the text field shows for this title ("" for none)
};

// Every title in list order with the rule text that answers it, read by content: the title
// "Use TAS or IAS in approach" has no text, and every later title takes the next text.
const RuleCase kRules[] = {
    {0, "Altimeter correction pressure",
     "From high to low, look below - 1 mb = 30 feet Ex.: FL 270 QNH 977 ISA - 36 mb Æ 36 x 30 = "
     "1080 feet Altitude = 25920 feet."},
    {1, "Altimeter correction temperature",
     "From high to low, look below Corr (feet) = 4 x Æ ISA x altitude / (feet)1000. Ex.:FL 300 ISA "
     "- 6°C Corr = 4 x 6 x 30 = 680 feet Alt = 29320 feet."},
    {2, "SAT out of TAT",
     "SAT (°C) = TAT (°C) - 3 x Mach. Ex.: TAT = -17 °C Mach 0.64 SAT = -17 – 3 x 6 = -17 - 18 = "
     "-35 °C"},
    {3, "SAT out of TAT for higher Mach and lower Temp",
     "(°C) = TAT (°C) - (100 x Mach) - 50. Ex.:TAT = -31 °C Mach 0.74 You have 24 above M 0.50 SAT "
     "= -31 -24 = -55 °C."},
    {4, "Level Off procedure if R/C = 1000 feet/min",
     "Æ feet = R/C (feet/min) / 10. Ex.:Climbing to FL 210 R/C = 2000 feet/min Æ feet = 200 --> "
     "feet Start Level off at 20800 feet."},
    {5, "Level Off procedure if R/C > 1000 feet/min",
     "Æ feet = 2 x R/C (feet/min) / 10. Ex.:Climbing to FL 300 R/C = 2500 feet/min Æ feet = 500 "
     "--> feet Start Level off at 29500 feet."},
    {6, "Cruise Flight Level computation",
     "Cruise FL = Trip Distance (NM). Ex.:EBBR-EBOS = 60 NM Optimum is FL 60."},
    {7, "Vertical Speed to rejoin assigned altitude",
     "V/S (feet/min) = 2 x Æ feet. Ex.: If on 6250 feet instead of 6000 feet, correct with V/S = "
     "500 feet/min."},
    {8, "To obtain TAS out of Mach-number", "TAS (kt) = 6 x Mach. Ex.: M 0.72 TAS = 420 kt."},
    {9, "To find TAS out of IAS and FL",
     "TAS(kt) = IAS(kt) + FL / 2. Ex.: FL 300 IAS = 240 kt TAS = 240 + 150 = 390 kt."},
    {10, "Ground Speed out of Mach", "GS (NM/min) = 10 x Mach. Ex.: M 0.72 GS = 7,2 NM/min."},
    {11, "Drift computation in cruise",
     "Drift(°) = x - wind(kt) / Mach. Ex.: M 0.7 X-wind 35 kt Drift = 35 / 7 = 5°."},
    {12, "Drift computation out of TAS (not IAS, unless during approach)",
     "Drift (°) = X-wind (kt) / speed Number. Ex.:TAS 180 kt X-wind 36 kt Drift = 36 / 3 = 12°."},
    {13, "To find Ground Speed with DME station available",
     "GS (kt) = 10 x distance (NM) in 36s. Read distance covered in 36 seconds towards or away "
     "from station."},
    {14, "Off-Track distance",
     "Off-Track Distance = Æ° x distance to station / 60. Ex.:9° off track 11 NM from station "
     "Off-Track Distance = 9 x 11 / 60 = 99 / 60 = 1.6 NM."},
    {15, "Slant distance overhead a DME – station",
     "each 6000 feet altitude --> 1 NM DME. Ex.:Overhead station FL 330 you will read 33000 / 6000 "
     "= 5.5 NM on DME."},
    {16, "Intercepting outbound leg when close to the VOR-DME station (valid for Mach 0.7)",
     "1 NM for each Æ30°. Ex.:FL 330 Inbound on R-180 (Hdg N) to track 060 outbound. Start your "
     "turn to 060 at 2 NM before (+ slant 5.5NM)."},
    {17, "Intercept Heading when passing over station before turning to outbound Heading",
     "Attack (°) = 1/3 x Æ Track (°). Ex.:Inbound on 180 (Hdg N) to track 060 outbound.Take "
     "Heading 080 overhead Station to intercept Radial."},
    {18, "Intercept Heading when a little bit off-track",
     "Attack (°) = 3 x Off-Track angle(°). Ex.:On R-310 outbound instead of R-315.Take attack 15° "
     "to rejoin."},
    {19, "Top of Descent (Idle thrust - 3° descent path)",
     "TOD (NM) = ÆFL / 3. Ex.:FL 280 down to 2000 feet TOD = 260 / 3 = 87 NM."},
    {20, "R/D required to be down at certain point",
     "R/D (feet/min) = speed number x altitude (feet) / distance (NM). Ex.:Descent 17000 feet in "
     "the next 28 NM TAS 240 kt R/D = 4 x 17000 / 28 = 2400 feet/min."},
    {21, "Vertical speed by changing Body Attitude (valid for high speeds)",
     "R/D (feet/min) = Mach x ÆBA (°). Ex.:Mach 0.74 --> One degree BA results in 740 feet/min."},
    {22, "Vertical speed by changing Body Attitude (valid for lower speeds)",
     "R/D (feet/min) = speed number x ÆBA(°). Ex.:Speed TAS 420 kt BA 3 degrees down R/D = 7 x 3 = "
     "2100 feet/min."},
    {23, "Use TAS or IAS in approach", ""},
    {24, "Distance required if you want to maintain a certain R/D profile",
     "Distance (NM) = speed number x altitude (feet) / R/D. Ex.:Descent 23000 feet at 1000 "
     "feet/min TAS 300 kt Distance = 5 x 23 = 115 NM."},
    {25, "Wind correction for descent distance",
     "Wind Corr (NM) = 10% for each 40 kt component.Ex Thumbrule 20) with 20 kts Tailwind Add 58 "
     "to 87 = 92 NM."},
    {26, "R/D required to follow a certain glide %",
     "R/D (feet/min) = Ground Speed (kt) x %. Es.:TAS 350 kts 20 kts tailwind Glide 3° = 5% R/D = "
     "370 x 5 = 1850 feet/min."},
    {27, "Conversion % versus degrees for glide path",
     "% = 10 x degrees / 6. Ex.:ILS 3° Glide Slope Æ 30 / 6 = 5%."},
    {28, "Start the roll-out from a turn when",
     "ÆHeading(°) to go = Bank(°) / 3. Ex.: Bank 25° Right turn to Hdg 080 Start roll-out 8° in "
     "advance, thus on Hdg 072."},
    {29, "Amount of Bank required for a turn",
     "Bank(°) = Æ Heading(°). Ex.:Heading North Right to Heading 007.Take 7° Bank"},
    {30, "Bank required for a rate one turn",
     "Bank(°) = 15% TAS (kt). Ex.:TAS 180 kt Rate one turn.Bank = 18 + 9 = 27°"},
    {31, "Turn diameter of a rate one turn",
     "Diameter(NM) = TAS(kt)/100. Ex.:TAS 150 kt  Turn Ø = 1,5 NM."},
    {32, "Outbound timing for a base turn, when not mentioned on the chart ",
     "Time (min) = 36 / Track. Ex.:ILS Rwy 27 (QFU 270) Teardrop 066 outbound.Time = 36 / "
     "(090-066) = 1,5 min"},
    {33, "R/D to follow the glide slope ILS 3° = 5%",
     "R/D (feet/min) = 5 x Ground Speed (kt). Ex.:On Glide Slope TAS 140 kt 10 kt Tailwind. R/D = "
     "750 feet/min"},
    {34, "Visibility required to see threshold at VDP (Non-Precision Approach)",
     "Vis(m) = 6 x MDA(feet). Ex.:MDA 430 feet. Visibility = 6 x 430 feet = 2500 m."},
};

TEST(RulesOfThumbTest, HasThirtyFiveTitlesAndThirtyFourTexts) {
    EXPECT_EQ(RulesOfThumb::titles().size(), 35u);
    EXPECT_EQ(RulesOfThumb::texts().size(), 34u);
    EXPECT_EQ(std::size(kRules), 35u);
}

class RuleTableTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RuleTableTest, TitleIsExact) {
    const RuleCase& rule = GetParam();
    EXPECT_EQ(RulesOfThumb::titles().at(static_cast<std::size_t>(rule.position)), rule.title);
}

TEST_P(RuleTableTest, ShowsTheTextThatAnswersTheTitle) {
    const RuleCase& rule = GetParam();
    const auto shown = RulesOfThumb::shownFor(rule.position);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(*shown, rule.shown);
}

INSTANTIATE_TEST_SUITE_P(AllTitles, RuleTableTest, ::testing::ValuesIn(kRules),
                         [](const auto& c) { return std::to_string(c.param.position); });

TEST(RulesOfThumbTest, EveryTextIsShownByExactlyOneTitle) {
    std::set<std::size_t> used;
    for (int position = 0; position < 35; ++position) {
        if (const auto number = RulesOfThumb::textNumberFor(position)) {
            EXPECT_TRUE(used.insert(*number).second) << "text " << *number << " used twice";
        }
    }
    EXPECT_EQ(used.size(), 34u);
    EXPECT_EQ(*used.begin(), 0u);
    EXPECT_EQ(*used.rbegin(), 33u);
}

struct PairingCase {
    int position;
    int number;  ///< rule text number, -1 for none
};

class PairingTest : public ::testing::TestWithParam<PairingCase> {};

TEST_P(PairingTest, PairsByContent) {
    const PairingCase& c = GetParam();
    const auto number = RulesOfThumb::textNumberFor(c.position);
    if (c.number < 0) {
        EXPECT_FALSE(number.has_value());
    } else {
        ASSERT_TRUE(number.has_value());
        EXPECT_EQ(*number, static_cast<std::size_t>(c.number));
    }
}

INSTANTIATE_TEST_SUITE_P(Boundaries, PairingTest,
                         ::testing::Values(PairingCase{0, 0}, PairingCase{14, 14},
                                           PairingCase{22, 22}, PairingCase{23, -1},
                                           PairingCase{24, 23}, PairingCase{33, 32},
                                           PairingCase{34, 33}, PairingCase{35, -1},
                                           PairingCase{-1, -1}, PairingCase{1000, -1}));

TEST(RulesOfThumbTest, PositionsWithoutATitleShowNothing) {
    EXPECT_FALSE(RulesOfThumb::shownFor(-1).has_value());
    EXPECT_FALSE(RulesOfThumb::shownFor(35).has_value());
}

TEST(RulesOfThumbTest, TitleWithoutTextShowsAnEmptyField) {
    const auto shown = RulesOfThumb::shownFor(23);
    ASSERT_TRUE(shown.has_value());
    EXPECT_TRUE(shown->empty());
    EXPECT_EQ(RulesOfThumb::titles()[23], "Use TAS or IAS in approach");
}

// The special characters must be the real Unicode characters in UTF-8, not look-alikes or
// bytes of an 8-bit code page; spelled out as bytes here so an editor cannot change them.
TEST(RulesOfThumbTest, SpecialCharactersAreUtf8) {
    const std::string_view ae = "\xC3\x86";          // Æ U+00C6
    const std::string_view degree = "\xC2\xB0";      // ° U+00B0
    const std::string_view oSlash = "\xC3\x98";      // Ø U+00D8
    const std::string_view enDash = "\xE2\x80\x93";  // – U+2013
    const auto& texts = RulesOfThumb::texts();
    const auto& titles = RulesOfThumb::titles();
    EXPECT_TRUE(texts[14].starts_with(std::string("Off-Track Distance = ") + std::string(ae) +
                                      std::string(degree) + " x distance to station / 60."));
    EXPECT_NE(texts[30].find(std::string("Turn ") + std::string(oSlash) + " = 1,5 NM."),
              std::string_view::npos);
    EXPECT_NE(texts[2].find(std::string("-17 ") + std::string(enDash) + " 3 x 6"),
              std::string_view::npos);
    EXPECT_EQ(titles[15],
              std::string("Slant distance overhead a DME ") + std::string(enDash) + " station");
    EXPECT_EQ(titles[19], std::string("Top of Descent (Idle thrust - 3") + std::string(degree) +
                              " descent path)");
    EXPECT_NE(texts[19].find(std::string("= ") + std::string(ae) + "FL / 3."),
              std::string_view::npos);
}

TEST(RulesOfThumbTest, TitleThirtyTwoKeepsItsTrailingSpace) {
    const std::string_view title = RulesOfThumb::titles()[32];
    ASSERT_FALSE(title.empty());
    EXPECT_EQ(title.back(), ' ');
    EXPECT_EQ(title, "Outbound timing for a base turn, when not mentioned on the chart ");
}

TEST(RulesOfThumbTest, NoOtherTextHasStraySpacesAtItsEnds) {
    for (std::size_t i = 0; i < RulesOfThumb::titles().size(); ++i) {
        const std::string_view title = RulesOfThumb::titles()[i];
        EXPECT_NE(title.front(), ' ') << i;
        if (i != 32) {
            EXPECT_NE(title.back(), ' ') << i;
        }
    }
    for (const std::string_view text : RulesOfThumb::texts()) {
        EXPECT_NE(text.front(), ' ');
        EXPECT_NE(text.back(), ' ');
    }
}

}  // namespace
}  // namespace corvane
