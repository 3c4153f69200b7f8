#include "SimOptions.h"

#include <gtest/gtest.h>

#include "support/CaseName.h"

namespace corvane::sim {
namespace {

TEST(SimOptions, Defaults) {
    std::string error;
    const auto o = SimOptions::parse({}, error);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->outPath, "recent.dat");
    EXPECT_EQ(o->intervalS, 5.0);
    EXPECT_FALSE(o->once);
    EXPECT_FALSE(o->inPlace);
    EXPECT_EQ(o->aircraft, 40u);
    EXPECT_EQ(o->startS, 0.0);
}

TEST(SimOptions, ReadsEveryOption) {
    std::string error;
    const auto o =
        SimOptions::parse({"--out", "/tmp/x/recent.dat", "--interval", "2.5", "--once", "--seed",
                           "42", "--aircraft", "1000000", "--in-place", "--at", "1800"},
                          error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->outPath, "/tmp/x/recent.dat");
    EXPECT_EQ(o->intervalS, 2.5);
    EXPECT_TRUE(o->once);
    EXPECT_EQ(o->seed, 42u);
    EXPECT_EQ(o->aircraft, 1000000u);
    EXPECT_TRUE(o->inPlace);
    EXPECT_EQ(o->startS, 1800.0);
}

TEST(SimOptions, Help) {
    std::string error;
    EXPECT_TRUE(SimOptions::parse({"--help"}, error)->help);
    EXPECT_NE(SimOptions::usage().find("--in-place"), std::string::npos);
    EXPECT_NE(SimOptions::usage().find("JANE DOE"), std::string::npos);
}

struct BadCase {
    std::string name;
    std::vector<std::string> args;
    std::string errorPart;
};
void PrintTo(const BadCase& c, std::ostream* out) {
    *out << c.name;
}

class SimOptionsBad : public ::testing::TestWithParam<BadCase> {};

TEST_P(SimOptionsBad, IsRefusedWithAReason) {
    std::string error;
    EXPECT_FALSE(SimOptions::parse(GetParam().args, error));
    EXPECT_NE(error.find(GetParam().errorPart), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SimOptionsBad,
    ::testing::Values(BadCase{"TooManyAircraft", {"--aircraft", "1000001"}, "--aircraft"},
                      BadCase{"NegativeAircraft", {"--aircraft", "-3"}, "--aircraft"},
                      BadCase{"AircraftNotANumber", {"--aircraft", "12x"}, "--aircraft"},
                      BadCase{"ZeroInterval", {"--interval", "0"}, "--interval"},
                      BadCase{"IntervalNotANumber", {"--interval", "fast"}, "--interval"},
                      BadCase{"NegativeStart", {"--at", "-1"}, "--at"},
                      BadCase{"FractionalSeed", {"--seed", "1.5"}, "--seed"},
                      BadCase{"OutWithoutValue", {"--out"}, "needs a value"},
                      BadCase{"OutFollowedByAnOption", {"--out", "--once"}, "--out needs a value"},
                      BadCase{
                          "SeedFollowedByAnOption", {"--seed", "--once"}, "--seed needs a value"},
                      BadCase{"EmptyOut", {"--out", ""}, "--out"},
                      BadCase{"Unknown", {"--frobnicate"}, "unknown option"}),
    corvane::test::caseName<BadCase>);

}  // namespace
}  // namespace corvane::sim
