#include "traffic/FlightPlanDecoding.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

class CruisingLevel : public ::testing::TestWithParam<TextCase> {};
TEST_P(CruisingLevel, ReadsHundredsOfFeet) {
    EXPECT_EQ(FlightPlanDecoding::cruisingLevel(GetParam().input), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Forms, CruisingLevel,
                         ::testing::Values(TextCase{"F350", "350"}, TextCase{"A045", "45"},
                                           TextCase{"VFR", "0"}, TextCase{"", "0"},
                                           TextCase{"F", "0"}, TextCase{"S1130", "113"},
                                           TextCase{"F08", "8"}, TextCase{"FL350", "0"}));

class CruisingSpeed : public ::testing::TestWithParam<TextCase> {};
TEST_P(CruisingSpeed, ReadsKnots) {
    EXPECT_EQ(FlightPlanDecoding::cruisingSpeed(GetParam().input), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Forms, CruisingSpeed,
                         ::testing::Values(TextCase{"N0450", "450"}, TextCase{"M078", "468"},
                                           TextCase{"N0095", "95"}, TextCase{"K0800", "800"},
                                           TextCase{"", "0"}, TextCase{"N", "0"},
                                           TextCase{"M", "0"}, TextCase{"VFR", "0"}));

struct TimeCase {
    const char* input;
    std::optional<std::string> expected;
};

class TimeConversion : public ::testing::TestWithParam<TimeCase> {};
TEST_P(TimeConversion, WritesHoursAndMinutes) {
    EXPECT_EQ(FlightPlanDecoding::time(GetParam().input), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(Lengths, TimeConversion,
                         ::testing::Values(TimeCase{"2330", "23:30"}, TimeCase{"930", "09:30"},
                                           TimeCase{"45", "00:45"}, TimeCase{"0000", "00:00"},
                                           TimeCase{"5", std::nullopt}, TimeCase{"", std::nullopt},
                                           TimeCase{"12345", std::nullopt},
                                           TimeCase{"AB", "00:AB"}));

struct RouteCase {
    const char* route;
    std::optional<std::string> expected;
};

class ExpectedSid : public ::testing::TestWithParam<RouteCase> {};
TEST_P(ExpectedSid, IsTheLongestFirstWordOfAtMostSevenCharacters) {
    EXPECT_EQ(FlightPlanDecoding::expectedSid(GetParam().route), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Routes, ExpectedSid,
    ::testing::Values(RouteCase{"ANEKI1L ANEKI Y163", "ANEKI1L"},
                      RouteCase{"TOBAK DCT BOL", "TOBAK"}, RouteCase{"ABC DEF GHI", "ABC DEF"},
                      RouteCase{"ABC", std::nullopt}, RouteCase{"ABC ", "ABC"},
                      RouteCase{"DCT", std::nullopt}, RouteCase{"VERYLONGWORD DCT", std::nullopt},
                      RouteCase{"", std::nullopt}, RouteCase{"AB CD", std::nullopt},
                      RouteCase{"ABCDEFG", std::nullopt}));

class ExpectedStar : public ::testing::TestWithParam<RouteCase> {};
TEST_P(ExpectedStar, IsTheLongestLastWordOfAtMostSevenCharacters) {
    EXPECT_EQ(FlightPlanDecoding::expectedStar(GetParam().route), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(
    Routes, ExpectedStar,
    ::testing::Values(RouteCase{"UL433 BOL", "BOL"}, RouteCase{"TOP UL433 BOL ", "BOL "},
                      RouteCase{"Y163 ANEKI ROLIS1A", "ROLIS1A"},
                      RouteCase{"DCT ABC DEF", "ABC DEF"}, RouteCase{"ABC", std::nullopt},
                      RouteCase{" ABC", "ABC"}, RouteCase{"DCT VERYLONGSTAR", std::nullopt},
                      RouteCase{"", std::nullopt}, RouteCase{"ABCDEF", std::nullopt}));

struct SpeedCase {
    double filed;
    double planning;
};

class PlanningSpeed : public ::testing::TestWithParam<SpeedCase> {};
TEST_P(PlanningSpeed, SlowsFastAircraftDown) {
    EXPECT_EQ(FlightPlanDecoding::planningSpeed(GetParam().filed), GetParam().planning);
}
INSTANTIATE_TEST_SUITE_P(Speeds, PlanningSpeed,
                         ::testing::Values(SpeedCase{450, 316}, SpeedCase{300, 300},
                                           SpeedCase{301, 267}, SpeedCase{120.7, 120},
                                           SpeedCase{0, 0}, SpeedCase{468, 322}));

struct FlyingCase {
    double distance;
    double speed;
    long long hours;
    long long minutes;
};

class FlyingTimes : public ::testing::TestWithParam<FlyingCase> {};
TEST_P(FlyingTimes, AreWholeHoursAndMinutes) {
    const FlyingTime time = FlightPlanDecoding::flyingTime(GetParam().distance, GetParam().speed);
    EXPECT_EQ(time.hours, GetParam().hours);
    EXPECT_EQ(time.minutes, GetParam().minutes);
}
INSTANTIATE_TEST_SUITE_P(
    Examples, FlyingTimes,
    ::testing::Values(FlyingCase{632, 316, 2, 0}, FlyingCase{158, 316, 0, 30},
                      FlyingCase{600, 316, 1, 53}, FlyingCase{0, 316, 0, 0},
                      // 1 NM at 7200 kt is exactly 0.5 s: the half goes to the even 0 ...
                      FlyingCase{1, 7200, 0, 0},
                      // ... and 59.5 s to the even 60 s, one minute.
                      FlyingCase{119, 7200, 0, 1}, FlyingCase{3950, 316, 12, 30}));

struct DigitsCase {
    long long value;
    const char* text;
};

class ClockDigits : public ::testing::TestWithParam<DigitsCase> {};
TEST_P(ClockDigits, PadOnlyOneDigit) {
    EXPECT_EQ(FlightPlanDecoding::clockDigits(GetParam().value), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Values, ClockDigits,
                         ::testing::Values(DigitsCase{0, "00"}, DigitsCase{3, "03"},
                                           DigitsCase{7, "07"}, DigitsCase{9, "09"},
                                           DigitsCase{12, "12"}, DigitsCase{30, "30"},
                                           DigitsCase{123, "123"}));

}  // namespace
}  // namespace corvane
