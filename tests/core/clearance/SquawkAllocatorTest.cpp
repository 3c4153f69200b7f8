#include "clearance/SquawkAllocator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/CaseTable.h"

namespace corvane {
namespace {

using test::CaseRow;

const test::TextFunctions kCodes = {
    {"allocate",
     [](const CaseRow& c) {
         SquawkAllocator allocator(c[1], c[2]);
         for (const std::string& code : test::splitAt(c[4], '|')) {
             allocator.markTaken(code);
         }
         const auto given = allocator.allocate(c[3]);
         return given ? given->code + " " + given->next : "(none)";
     }},
    {"parse",
     [](const CaseRow& c) {
         const auto value = SquawkAllocator::parse(c[1]);
         // A code read back is written the same.
         return !value
                    ? "(none)"
                    : std::to_string(*value) + (SquawkAllocator::format(*value) == c[1] ? "" : "?");
     }},
    {"isReserved",
     [](const CaseRow& c) {
         return SquawkAllocator::isReserved(std::stoi(c[1], nullptr, 8)) ? "yes" : "no";
     }},
};

CORVANE_TEXT_TABLE(SquawkCodes, kCodes, "clearance/squawk-codes.tsv");

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
