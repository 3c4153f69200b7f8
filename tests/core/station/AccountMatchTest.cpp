#include <gtest/gtest.h>

#include <string>

#include "common/TextColumns.h"
#include "station/AccountMatch.h"

namespace corvane {
namespace {

const StationLayout& layoutOf(std::size_t callsignLength) {
    for (const StationLayout& layout : kStationLayouts) {
        if (layout.callsignLength == callsignLength) {
            return layout;
        }
    }
    throw std::logic_error("no layout");
}

TEST(StationLayouts, FollowFromTheCallsignLength) {
    ASSERT_EQ(kStationLayouts.size(), 4u);
    const std::size_t order[] = {12, 11, 10, 8};
    for (std::size_t i = 0; i < 4; ++i) {
        const StationLayout& layout = kStationLayouts[i];
        EXPECT_EQ(layout.callsignLength, order[i]);
        EXPECT_EQ(layout.nameColumn, layout.callsignLength + 9);
        EXPECT_EQ(layout.vidColumn, layout.callsignLength + 2);
        EXPECT_EQ(layout.kindColumn, layout.callsignLength - 2);
    }
}

struct MatchCase {
    const char* line;
    std::size_t layout;
    const char* typed;
    AccountMatchKind expected;
};

class Matches : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Matches, ComparesFixedColumnsOfTheRawLine) {
    const std::string typed = GetParam().typed;
    const std::size_t length = TextColumns::length(trimSpaces(typed));
    EXPECT_EQ(AccountMatch::match(GetParam().line, layoutOf(GetParam().layout), typed, length),
              GetParam().expected)
        << GetParam().line << " / " << typed;
}

constexpr const char* kApp = "EDDF_APP:123456:Jane Doe:5::::Frankfurt";
constexpr const char* kCtr12 = "EDGG_WST_CTR:345678:Klaus M\xC3\xBCller:7:";

INSTANTIATE_TEST_SUITE_P(
    Lines, Matches,
    ::testing::Values(
        MatchCase{kApp, 8, "JANE DOE", AccountMatchKind::ByName},
        MatchCase{kApp, 8, "JANE", AccountMatchKind::ByName},
        MatchCase{kApp, 8, "Jane Doe",
                  AccountMatchKind::None},  // the typed text is not upper-cased
        MatchCase{kApp, 8, " JANE DOE", AccountMatchKind::None},
        MatchCase{kApp, 8, "JANE DOE ", AccountMatchKind::None},
        MatchCase{kApp, 8, "123456", AccountMatchKind::ByVid},
        MatchCase{kApp, 8, "1234", AccountMatchKind::ByVidPart},
        MatchCase{kApp, 10, "JANE DOE", AccountMatchKind::None},
        MatchCase{kApp, 12, "123456", AccountMatchKind::None},
        MatchCase{kApp, 8, "JANE DOE:5::::FRANKFURT AND MORE", AccountMatchKind::None},
        MatchCase{"EDDF_APP:123456:JA", 8, "JANE DOE", AccountMatchKind::None},
        MatchCase{"EDDF", 8, "JANE DOE", AccountMatchKind::None},
        MatchCase{"", 8, "JANE DOE", AccountMatchKind::None},
        MatchCase{"EDDF_APP:12345", 8, "123456", AccountMatchKind::None},
        MatchCase{kCtr12, 12, "KLAUS M\xC3\x9CLLER", AccountMatchKind::ByName},
        MatchCase{kCtr12, 12, "KLAUS M\xC3\xBCLLER", AccountMatchKind::None},
        MatchCase{kCtr12, 12, "345678", AccountMatchKind::ByVid},
        MatchCase{"LIRR_W_CTR:567890:ANNA BIANCHI:6", 10, "ANNA BIANCHI", AccountMatchKind::ByName},
        MatchCase{"EDDM_NO_APP:678901:PETER HALL:x", 11, "PETER HALL", AccountMatchKind::ByName},
        MatchCase{"EDDK_5TWR:334455:NINE CHARS:5", 8, "NINE CHARS", AccountMatchKind::None},
        MatchCase{"EDDK_5TWR:334455:NINE CHARS:5", 10, "NINE CHARS", AccountMatchKind::None},
        MatchCase{"EDDF_APP:123456:JANE DOE:5", 8, "   ", AccountMatchKind::None}));

struct RatingCheckCase {
    const char* line;
    const char* typed;
    bool passes;
};

class WholeName : public ::testing::TestWithParam<RatingCheckCase> {};

TEST_P(WholeName, NeedsTheRatingDigitAfterTheName) {
    const std::size_t length = TextColumns::length(GetParam().typed);
    EXPECT_EQ(AccountMatch::followedByRating(GetParam().line, layoutOf(8), length),
              GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WholeName,
    ::testing::Values(RatingCheckCase{"EDDF_APP:123456:JANE DOE:5:", "JANE DOE", true},
                      RatingCheckCase{"EDDF_APP:123456:JANE DOE:12:", "JANE DOE", true},
                      RatingCheckCase{"EDDF_APP:123456:JANE DOE:9", "JANE DOE", true},
                      RatingCheckCase{"EDDF_APP:123456:JANE DOE:0:", "JANE DOE", false},
                      RatingCheckCase{"EDDF_APP:123456:JANE DOE:x:", "JANE DOE", false},
                      RatingCheckCase{"EDDF_APP:123456:JANE DOE:", "JANE DOE", false},
                      RatingCheckCase{"EDDF_APP:123456:JANE DOE", "JANE DOE", false},
                      RatingCheckCase{"EDDF_APP:123456:JANE DOE:5:", "JANE", false},
                      RatingCheckCase{"EDDF_APP:123456:JOSÉ:5:", "JOSÉ", true}));

TEST(AccountMatch, CentreKindIsReadUpperCased) {
    EXPECT_TRUE(AccountMatch::isCentre("LIRR_CTR:1", layoutOf(8)));
    EXPECT_TRUE(AccountMatch::isCentre("LIRR_ctr:1", layoutOf(8)));
    EXPECT_FALSE(AccountMatch::isCentre("LIRR_TWR:1", layoutOf(8)));
    EXPECT_TRUE(AccountMatch::isCentre("EDGG_WST_CTR", layoutOf(12)));
    EXPECT_FALSE(AccountMatch::isCentre("EDGG_WST_CT", layoutOf(12)));
    EXPECT_FALSE(AccountMatch::isCentre("", layoutOf(10)));
}

TEST(AccountMatch, UpperCasedCompareAgreesWithUpperCase) {
    for (const char* text : {"Jane Doe", "José Álvarez", "Klaus Müller", "Ÿves ÷ ß æ", "éé",
                             "\xC3\xC3\xA9", "abc xyz 123 :_-", ""}) {
        EXPECT_TRUE(AccountMatch::equalsUpperCased(text, upperCase(text))) << text;
    }
    EXPECT_FALSE(AccountMatch::equalsUpperCased("jane", "jane"));
    EXPECT_FALSE(AccountMatch::equalsUpperCased("jane", "JAN"));
}

}  // namespace
}  // namespace corvane
