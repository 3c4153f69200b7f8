#include <gtest/gtest.h>

#include "station/RatingTable.h"
#include "support/CaseName.h"
#include "support/CaseTable.h"

namespace corvane {
namespace {

using test::CaseRow;

const test::TextFunctions kRatings = {
    {"caption",
     [](const CaseRow& c) {
         const auto caption = RatingTable::caption(std::stoi(c[1]));
         return caption ? std::string(*caption) : "(none)";
     }},
    {"number",
     [](const CaseRow& c) {
         const auto number = RatingTable::number(c[1]);
         return number ? std::to_string(*number) : "(none)";
     }},
};

class Ratings : public ::testing::TestWithParam<CaseRow> {};

TEST_P(Ratings, GiveTheExpectedText) {
    EXPECT_EQ(kRatings.at(GetParam()[0])(GetParam()), GetParam().cells.back());
}

INSTANTIATE_TEST_SUITE_P(Table, Ratings,
                         ::testing::ValuesIn(test::caseTable("station/ratings.tsv")),
                         test::caseName<CaseRow>);

}  // namespace
}  // namespace corvane
