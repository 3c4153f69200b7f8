#include <gtest/gtest.h>

#include <string>

#include "common/TextColumns.h"
#include "station/AccountMatch.h"
#include "support/CaseName.h"
#include "support/CaseTable.h"

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

using test::CaseRow;

const test::TextFunctions kAccounts = {
    {"match",
     [](const CaseRow& c) {
         const std::size_t length = TextColumns::length(trimSpaces(c[3]));
         const auto kind = AccountMatch::match(c[1], layoutOf(std::stoul(c[2])), c[3], length);
         const char* names[] = {"None", "ByName", "ByVidPart", "ByVid"};
         return names[static_cast<int>(kind)];
     }},
    {"followedByRating",
     [](const CaseRow& c) {
         const std::size_t length = TextColumns::length(c[2]);
         return AccountMatch::followedByRating(c[1], layoutOf(8), length) ? "yes" : "no";
     }},
    {"isCentre",
     [](const CaseRow& c) {
         return AccountMatch::isCentre(c[1], layoutOf(std::stoul(c[2]))) ? "yes" : "no";
     }},
};

class Accounts : public ::testing::TestWithParam<CaseRow> {};

TEST_P(Accounts, GiveTheExpectedText) {
    EXPECT_EQ(kAccounts.at(GetParam()[0])(GetParam()), GetParam().cells.back());
}

INSTANTIATE_TEST_SUITE_P(Table, Accounts,
                         ::testing::ValuesIn(test::caseTable("station/account-match.tsv")),
                         test::caseName<CaseRow>);

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
