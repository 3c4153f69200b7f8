// The simulator's command line, from tests/data/sim/options.tsv: the options read, or the
// refusal and a part of its reason.
#include "SimOptions.h"

#include <gtest/gtest.h>

#include "support/CaseTable.h"

namespace corvane::sim {
namespace {

class SimOptionsTable : public ::testing::TestWithParam<test::CaseRow> {};

// Columns: the arguments, "|" between them; what is read, or "refused" and the reason's part.
TEST_P(SimOptionsTable, ReadsOrRefuses) {
    const test::CaseRow& row = GetParam();
    std::vector<std::string> args;
    if (!row[0].empty()) {
        args = test::splitAt(row[0], '|');
    }
    std::string error;
    const auto o = SimOptions::parse(args, error);
    if (row[1].starts_with("refused ")) {
        EXPECT_FALSE(o);
        EXPECT_NE(error.find(row[1].substr(8)), std::string::npos) << error;
        return;
    }
    ASSERT_TRUE(o) << error;
    const std::string read =
        "out=" + o->outPath + " interval=" + test::decimal(o->intervalS) +
        " once=" + std::to_string(o->once) + " inPlace=" + std::to_string(o->inPlace) +
        " aircraft=" + std::to_string(o->aircraft) + " at=" + test::decimal(o->startS) +
        " seed=" + std::to_string(o->seed) + " help=" + std::to_string(o->help);
    EXPECT_EQ(read, row[1]);
}

CORVANE_CASES(Table, SimOptionsTable, "sim/options.tsv");

TEST(SimOptions, UsageNamesTheInPlaceOptionAndTheAccount) {
    EXPECT_NE(SimOptions::usage().find("--in-place"), std::string::npos);
    EXPECT_NE(SimOptions::usage().find("JANE DOE"), std::string::npos);
}

}  // namespace
}  // namespace corvane::sim
