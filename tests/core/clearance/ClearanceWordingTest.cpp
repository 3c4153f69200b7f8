#include "clearance/ClearanceWording.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

class LevelPhraseTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(LevelPhraseTest, FewerThanFourDigitsAreAFlightLevel) {
    EXPECT_EQ(ClearanceWording::levelPhrase(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, LevelPhraseTest,
                         ::testing::Values(TextCase{"50", "FL 50"}, TextCase{"60", "FL 60"},
                                           TextCase{"80", "FL 80"}, TextCase{"120", "FL 120"},
                                           TextCase{"5", "FL 5"}, TextCase{"0300", "0300 FEET"},
                                           TextCase{"4000", "4000 FEET"},
                                           TextCase{"5000", "5000 FEET"},
                                           TextCase{"12000", "12000 FEET"}, TextCase{"", "FL"}));

class PaddedCallsignTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(PaddedCallsignTest, PadsEveryShorterCallsignToSeven) {
    EXPECT_EQ(ClearanceWording::paddedCallsign(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PaddedCallsignTest,
    ::testing::Values(TextCase{"AB1", "AB1    "}, TextCase{"AB12", "AB12   "},
                      TextCase{"ABC12", "ABC12  "}, TextCase{"ABC123", "ABC123 "},
                      TextCase{"ABC1234", "ABC1234"}, TextCase{"ABCD1234", "ABCD1234"},
                      TextCase{"AB", "AB     "}, TextCase{"A", "A      "}, TextCase{"", ""}));

struct NumberCase {
    const char* callsign;
    int length;
    const char* spoken;
};

class CallsignNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(CallsignNumberTest, SpeaksTheFlightNumber) {
    const NumberCase& c = GetParam();
    const auto length = ClearanceWording::callsignNumberLength(c.callsign);
    EXPECT_EQ(length, c.length);
    EXPECT_EQ(ClearanceWording::spokenNumber(c.callsign, length), c.spoken);
}

INSTANTIATE_TEST_SUITE_P(Table, CallsignNumberTest,
                         ::testing::Values(NumberCase{"ABC1234", 4, "1234"},
                                           NumberCase{"ABC123", 3, "123"},
                                           NumberCase{"ABC12", 2, "12"}, NumberCase{"ABC1", 1, "1"},
                                           // Longer callsigns speak all but the airline designator.
                                           NumberCase{"ABCD1234", 5, "D1234"},
                                           NumberCase{"ABC123456", 6, "123456"},
                                           // Three characters or fewer speak the whole callsign.
                                           NumberCase{"ABC", 3, "ABC"}, NumberCase{"N1", 2, "N1"},
                                           NumberCase{"X", 1, "X"}, NumberCase{"", 0, ""}));

TEST(ClearanceWordingTest, SpokenNumberOfAShortCallsignIsAllOfIt) {
    EXPECT_EQ(ClearanceWording::spokenNumber("AB", 4), "AB");
    EXPECT_EQ(ClearanceWording::spokenNumber("ABC123", 0), "");
}

TEST(ClearanceWordingTest, AirlineNameIsTrimmedAndInCapitals) {
    EXPECT_EQ(ClearanceWording::airlineName("  Some Air "), "SOME AIR");
    EXPECT_EQ(ClearanceWording::airlineName("UNKNOWN"), "UNKNOWN");
    EXPECT_EQ(ClearanceWording::airlineName("Air Fran\xC3\xA7"
                                            "e"),
              "AIR FRAN\xC3\x87"
              "E");
}

TEST(ClearanceWordingTest, AssignedEntryIsThePaddedCallsignAndTheCode) {
    EXPECT_EQ(ClearanceWording::assignedEntry("ABC1234", "6001"), "ABC1234 - 6001");
    EXPECT_EQ(ClearanceWording::assignedEntry("ABC12", "6001"), "ABC12   - 6001");
    EXPECT_EQ(ClearanceWording::assignedEntry("AB1", "0177"), "AB1     - 0177");
    EXPECT_EQ(ClearanceWording::assignedEntry("ABC123", ""), "ABC123  - ");
}

}  // namespace
}  // namespace corvane
