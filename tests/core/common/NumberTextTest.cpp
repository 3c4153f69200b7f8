#include <gtest/gtest.h>

#include "common/NumberText.h"

namespace corvane {
namespace {

struct LeadingCase {
    const char* text;
    double expected;
};

class LeadingNumber : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(NumberText::leading(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumber,
                         ::testing::Values(LeadingCase{"1013", 1013}, LeadingCase{"0998", 998},
                                           LeadingCase{"  42abc", 42}, LeadingCase{"-12.5x", -12.5},
                                           LeadingCase{"+7", 7}, LeadingCase{"45,5", 45},
                                           LeadingCase{".5", 0.5}, LeadingCase{"5.", 5},
                                           LeadingCase{"", 0}, LeadingCase{"VFR", 0},
                                           LeadingCase{"-", 0}, LeadingCase{"nan", 0},
                                           LeadingCase{"inf", 0}, LeadingCase{"1e308", 1},
                                           LeadingCase{"-0", 0}, LeadingCase{"0000", 0}));

TEST(LeadingNumber, HugeDigitStringsNeverGiveInfinity) {
    EXPECT_EQ(NumberText::leading(std::string(400, '9')), 0.0);
}

TEST(StrictNumber, AcceptsOnlyAWholeNumberText) {
    EXPECT_EQ(NumberText::strict("5"), 5.0);
    EXPECT_EQ(NumberText::strict(" 12 "), 12.0);
    EXPECT_EQ(NumberText::strict("3.25"), 3.25);
    EXPECT_FALSE(NumberText::strict("5a"));
    EXPECT_FALSE(NumberText::strict(""));
    EXPECT_FALSE(NumberText::strict("abc"));
    EXPECT_FALSE(NumberText::strict("1 2"));
}

struct FormatCase {
    double value;
    const char* expected;
};

class NumberFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(NumberFormat, WritesPlainDecimalText) {
    EXPECT_EQ(NumberText::format(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberFormat,
                         ::testing::Values(FormatCase{75, "75"}, FormatCase{62.5, "62.5"},
                                           FormatCase{29.91, "29.91"}, FormatCase{29.9, "29.9"},
                                           FormatCase{0, "0"}, FormatCase{-0.0, "0"},
                                           FormatCase{6002, "6002"}, FormatCase{-3, "-3"},
                                           FormatCase{1e6, "1000000"}));

TEST(TwoDigits, PadsOnlyZeroToNine) {
    EXPECT_EQ(NumberText::twoDigits(0), "00");
    EXPECT_EQ(NumberText::twoDigits(7), "07");
    EXPECT_EQ(NumberText::twoDigits(9), "09");
    EXPECT_EQ(NumberText::twoDigits(10), "10");
    EXPECT_EQ(NumberText::twoDigits(12), "12");
    EXPECT_EQ(NumberText::twoDigits(-1), "-1");
    EXPECT_EQ(NumberText::twoDigits(123), "123");
}

}  // namespace
}  // namespace corvane
