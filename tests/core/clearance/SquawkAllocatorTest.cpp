#include "clearance/SquawkAllocator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

struct AllocationCase {
    const char* name;
    const char* rangeStart;
    const char* rangeEnd;
    const char* current;
    std::vector<std::string> taken;
    const char* code;  // "" when the allocator refuses
    const char* next;
};

class SquawkAllocationTest : public ::testing::TestWithParam<AllocationCase> {};

TEST_P(SquawkAllocationTest, GivesOutAndAdvances) {
    const AllocationCase& c = GetParam();
    SquawkAllocator allocator(c.rangeStart, c.rangeEnd);
    for (const auto& code : c.taken) {
        allocator.markTaken(code);
    }
    const auto allocation = allocator.allocate(c.current);
    if (std::string(c.code).empty()) {
        EXPECT_FALSE(allocation.has_value());
        return;
    }
    ASSERT_TRUE(allocation.has_value());
    EXPECT_EQ(allocation->code, c.code);
    EXPECT_EQ(allocation->next, c.next);
}

const AllocationCase kAllocationCases[] = {
    {"CurrentIsFree", "2301", "2377", "2301", {}, "2301", "2302"},
    {"OctalStepFrom0177", "0100", "0277", "0177", {}, "0177", "0200"},
    {"OctalStepFrom6007", "6000", "6077", "6007", {}, "6007", "6010"},
    {"OctalStepFrom0077", "0000", "0177", "0077", {}, "0077", "0100"},
    {"OctalStepFrom6067", "6000", "6077", "6067", {}, "6067", "6070"},
    {"SquawkedCurrentIsSkipped", "2301", "2377", "2301", {"2301"}, "2302", "2303"},
    {"NextSkipsTakenCodes", "2301", "2377", "2301", {"2302", "2303"}, "2301", "2304"},
    {"SkipAcrossAnOctalStep", "2301", "2377", "2307", {"2307", "2310"}, "2311", "2312"},
    {"TakenWithSpaces", "2301", "2377", "2301", {" 2301 "}, "2302", "2303"},
    {"TakenNotACodeIsIgnored", "2301", "2377", "2301", {"2301x", "230", "ABCD"}, "2301", "2302"},
    {"HijackCodeNeverGiven", "7400", "7777", "7477", {}, "7477", "7501"},
    {"HijackCodeOfferedIsSkipped", "7400", "7777", "7500", {}, "7501", "7502"},
    {"RadioFailureCodeSkipped", "7400", "7777", "7577", {}, "7577", "7601"},
    {"EmergencyCodeSkipped", "7400", "7777", "7677", {}, "7677", "7701"},
    {"LastCodeKeepsTheWindowInRange", "2301", "2377", "2377", {}, "2377", "2377"},
    {"LastFreeCodeBeforeTakenEnd", "2301", "2377", "2375", {"2376", "2377"}, "2375", "2375"},
    {"HighestCode", "7770", "7777", "7777", {}, "7777", "7777"},
    {"BelowRangeStartsAtTheRange", "2301", "2377", "2200", {}, "2301", "2302"},
    {"ExhaustedRange", "2301", "2377", "2377", {"2377"}, "", ""},
    {"AllTakenAfterCurrent", "6000", "6007", "6005", {"6005", "6006", "6007"}, "", ""},
    {"CurrentBeyondRangeEnd", "2301", "2377", "2400", {}, "", ""},
    {"CurrentWithADigitEight", "2301", "2377", "2308", {}, "", ""},
    {"CurrentOfThreeDigits", "2301", "2377", "230", {}, "", ""},
    {"CurrentOfFiveDigits", "2301", "2377", "02301", {}, "", ""},
    {"CurrentEmpty", "2301", "2377", "", {}, "", ""},
    {"CurrentWithASpace", "2301", "2377", "23 1", {}, "", ""},
    {"RangeEndNotACode", "6000", "60A7", "6000", {}, "", ""},
    {"RangeStartNotACode", "", "6077", "6000", {}, "", ""},
    {"RangeEndBeforeStart", "6077", "6000", "6077", {}, "", ""},
};

INSTANTIATE_TEST_SUITE_P(Table, SquawkAllocationTest, ::testing::ValuesIn(kAllocationCases),
                         [](const auto& test) { return std::string(test.param.name); });

struct CodeText {
    const char* text;
    int value;  // -1 when not a code
};

class SquawkCodeTextTest : public ::testing::TestWithParam<CodeText> {};

TEST_P(SquawkCodeTextTest, ParsesFourOctalDigitsOnly) {
    const CodeText& c = GetParam();
    const auto value = SquawkAllocator::parse(c.text);
    if (c.value < 0) {
        EXPECT_FALSE(value.has_value()) << c.text;
        return;
    }
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_EQ(*value, c.value);
    EXPECT_EQ(SquawkAllocator::format(*value), c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, SquawkCodeTextTest,
                         ::testing::Values(CodeText{"0000", 0}, CodeText{"0007", 7},
                                           CodeText{"0010", 8}, CodeText{"0177", 127},
                                           CodeText{"0200", 128}, CodeText{"2301", 1217},
                                           CodeText{"7777", 4095}, CodeText{"8000", -1},
                                           CodeText{"0009", -1}, CodeText{"777", -1},
                                           CodeText{"77777", -1}, CodeText{"-123", -1},
                                           CodeText{"", -1}));

TEST(SquawkAllocatorTest, ReservedCodesAreTheThreeEmergencyCodes) {
    EXPECT_TRUE(SquawkAllocator::isReserved(07500));
    EXPECT_TRUE(SquawkAllocator::isReserved(07600));
    EXPECT_TRUE(SquawkAllocator::isReserved(07700));
    EXPECT_FALSE(SquawkAllocator::isReserved(07501));
    EXPECT_FALSE(SquawkAllocator::isReserved(07777));
    EXPECT_FALSE(SquawkAllocator::isReserved(02000));
}

TEST(SquawkAllocatorTest, EveryCodeOfARangeIsGivenOutOnceAndNeverLeavesIt) {
    SquawkAllocator allocator("6000", "6077");
    std::string current = "6000";
    std::vector<std::string> given;
    while (const auto allocation = allocator.allocate(current)) {
        given.push_back(allocation->code);
        allocator.markTaken(allocation->code);
        current = allocation->next;
        ASSERT_LE(given.size(), 64u);
    }
    ASSERT_EQ(given.size(), 64u);
    EXPECT_EQ(given.front(), "6000");
    EXPECT_EQ(given[8], "6010");
    EXPECT_EQ(given.back(), "6077");
    EXPECT_EQ(current, "6077");
}

}  // namespace
}  // namespace corvane
