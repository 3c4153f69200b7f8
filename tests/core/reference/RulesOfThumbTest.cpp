// The rules of thumb against tests/data/reference/rules-of-thumb.tsv.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "reference/RulesOfThumb.h"
#include "support/CaseTable.h"

namespace corvane {
namespace {

using test::CaseRow;

class RulesOfThumbTable : public ::testing::TestWithParam<CaseRow> {};

TEST_P(RulesOfThumbTable, TitleTextNumberAndShownText) {
    const CaseRow& c = GetParam();
    const int position = c.number(0);
    const auto number = RulesOfThumb::textNumberFor(position);
    EXPECT_EQ(number ? std::to_string(*number) : "-", c[1]);
    if (position >= 0 && position < 35) {
        EXPECT_EQ(RulesOfThumb::titles().at(static_cast<std::size_t>(position)), c[2]);
    }
    const auto shown = RulesOfThumb::shownFor(position);
    EXPECT_EQ(shown ? std::string(*shown) : "(none)", c[3]);
}

CORVANE_CASES(Table, RulesOfThumbTable, "reference/rules-of-thumb.tsv");

TEST(RulesOfThumbTest, EveryTextIsShownByExactlyOneTitle) {
    EXPECT_EQ(RulesOfThumb::titles().size(), 35u);
    EXPECT_EQ(RulesOfThumb::texts().size(), 34u);
    std::set<std::size_t> used;
    for (int position = 0; position < 35; ++position) {
        if (const auto number = RulesOfThumb::textNumberFor(position)) {
            EXPECT_TRUE(used.insert(*number).second) << "text " << *number << " used twice";
            EXPECT_EQ(RulesOfThumb::texts()[*number], *RulesOfThumb::shownFor(position));
        }
    }
    EXPECT_EQ(used.size(), 34u);
}

}  // namespace
}  // namespace corvane
