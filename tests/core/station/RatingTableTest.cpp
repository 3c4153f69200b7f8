#include <gtest/gtest.h>

#include "station/RatingTable.h"

namespace corvane {
namespace {

struct CaptionCase {
    int number;
    const char* caption;  // null: no caption
};

class RatingCaptions : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(RatingCaptions, NameTwoToTwelve) {
    const auto caption = RatingTable::caption(GetParam().number);
    if (GetParam().caption == nullptr) {
        EXPECT_FALSE(caption.has_value());
    } else {
        ASSERT_TRUE(caption.has_value());
        EXPECT_EQ(*caption, GetParam().caption);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RatingCaptions,
                         ::testing::Values(CaptionCase{0, nullptr}, CaptionCase{1, nullptr},
                                           CaptionCase{2, "AS1 : ATC Applicant"},
                                           CaptionCase{3, "AS2 : ATC Trainee"},
                                           CaptionCase{4, "AS3 : Advanced ATC Trainee"},
                                           CaptionCase{5, "ADC : Aerodrome Controller"},
                                           CaptionCase{6, "APC : Approach Controller"},
                                           CaptionCase{7, "ACC : Center Controller"},
                                           CaptionCase{8, "SEC : Senior Controller"},
                                           CaptionCase{9, "SAI : Senior ATC Instructor"},
                                           CaptionCase{10, "CAI : Chief ATC Instructor"},
                                           CaptionCase{11, "SUP : Supervisor"},
                                           CaptionCase{12, "ADM : Administrator"},
                                           CaptionCase{13, nullptr}, CaptionCase{-5, nullptr}));

struct NumberCase {
    const char* field;
    int expected;  // -999: not a number
};

class RatingNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(RatingNumbers, AreWholeSixteenBitNumbers) {
    const auto number = RatingTable::number(GetParam().field);
    if (GetParam().expected == -999) {
        EXPECT_FALSE(number.has_value()) << GetParam().field;
    } else {
        ASSERT_TRUE(number.has_value()) << GetParam().field;
        EXPECT_EQ(*number, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, RatingNumbers,
                         ::testing::Values(NumberCase{"5", 5}, NumberCase{"12", 12},
                                           NumberCase{" 7 ", 7}, NumberCase{"5.0", 5},
                                           NumberCase{"-3", -3}, NumberCase{"32767", 32767},
                                           NumberCase{"32768", -999}, NumberCase{"5.5", -999},
                                           NumberCase{"", -999}, NumberCase{"x", -999},
                                           NumberCase{"5a", -999}));

}  // namespace
}  // namespace corvane
