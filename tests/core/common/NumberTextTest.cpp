#include <gtest/gtest.h>

#include "common/NumberText.h"
#include "support/CaseName.h"
#include "support/CaseTable.h"

namespace corvane {
namespace {

using test::CaseRow;

const test::TextFunctions kNumbers = {
    {"leading", [](const CaseRow& c) { return test::decimal(NumberText::leading(c[1])); }},
    {"strict",
     [](const CaseRow& c) {
         const auto value = NumberText::strict(c[1]);
         return value ? test::decimal(*value) : "(none)";
     }},
    {"format", [](const CaseRow& c) { return NumberText::format(std::stod(c[1])); }},
    {"twoDigits", [](const CaseRow& c) { return NumberText::twoDigits(std::stoll(c[1])); }},
};

class Numbers : public ::testing::TestWithParam<CaseRow> {};

TEST_P(Numbers, GiveTheExpectedText) {
    EXPECT_EQ(kNumbers.at(GetParam()[0])(GetParam()), GetParam().cells.back());
}

INSTANTIATE_TEST_SUITE_P(Table, Numbers, ::testing::ValuesIn(test::caseTable("common/numbers.tsv")),
                         test::caseName<CaseRow>);

TEST(LeadingNumber, HugeDigitStringsNeverGiveInfinity) {
    EXPECT_EQ(NumberText::leading(std::string(400, '9')), 0.0);
}

}  // namespace
}  // namespace corvane
