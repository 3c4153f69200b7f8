// The coverage tests lean on this local copy of the analyses' phase and message rules, so it
// is checked against the worked examples first.

#include "PhaseRules.h"

#include <gtest/gtest.h>

namespace corvane::sim::test {
namespace {

struct RuleCase {
    PilotReading r;
    std::string previous;
    std::string phase;
    int departure;
    int arrival;
};

class PhaseRulesExamples : public ::testing::TestWithParam<RuleCase> {};

TEST_P(PhaseRulesExamples, GiveTheDocumentedResults) {
    const RuleCase& c = GetParam();
    const std::string phase = flightPhase(c.r, c.previous);
    EXPECT_EQ(phase, c.phase);
    EXPECT_EQ(departureMessage(c.r, phase), c.departure);
    EXPECT_EQ(arrivalMessage(c.r, phase), c.arrival);
}

// Fields: alt, gs, filed level (hundreds of ft), filed speed, distance to go.
INSTANTIATE_TEST_SUITE_P(
    Table, PhaseRulesExamples,
    ::testing::Values(RuleCase{{33500, 450, 350, 450, 400}, "", "EN ROUTE", 1, 1},
                      RuleCase{{35100, 460, 350, 450, 400}, "", "EN ROUTE", 7, 1},
                      RuleCase{{35100, 460, 350, 450, 90}, "", "EN ROUTE", 3, 1},
                      RuleCase{{364, 0, 350, 450, 400}, "", "ON THE GROUND", 7, 6},
                      RuleCase{{364, 20, 350, 450, 400}, "", "TAXING", 7, 6},
                      RuleCase{{364, 60, 350, 450, 400}, "TAXING", "TAXING", 2, 2},
                      RuleCase{{1500, 140, 350, 450, 1}, "", "FINAL APPROACHING", 7, 6},
                      RuleCase{{36000, 450, 350, 450, 400}, "", "EN ROUTE", 1, 1},
                      RuleCase{{9000, 230, 240, 450, 8}, "", "APPROACHING", 7, 4},
                      RuleCase{{12000, 200, 240, 450, 9}, "", "APPROACHING", 6, 5},
                      RuleCase{{3000, 262, 220, 450, 6}, "APPROACHING", "APPROACHING", 4, 4},
                      RuleCase{{9500, 200, 100, 450, 7}, "", "APPROACHING", 3, 3},
                      RuleCase{{20000, 300, 350, 450, 200}, "", "CLIMBING", 7, 1},
                      RuleCase{{20000, 300, 350, 450, 60}, "", "DESCENDING", 7, 6},
                      RuleCase{{35000, 545, 370, 480, 2000}, "", "", 7, 6},
                      RuleCase{{37000, 545, 370, 480, 2000}, "", "EN ROUTE", 5, 1}));

TEST(PhaseRules, ReadsFiledLevelAndSpeedLikeTheAnalyses) {
    std::vector<std::string> f(47);
    f[7] = "50.0333";
    f[8] = "8.5706";
    f[24] = "51.0333";
    f[25] = "8.5706";
    f[11] = "35100";
    f[12] = "460";
    f[28] = "F350";
    f[29] = "M078";
    const PilotReading r = readPilot(f);
    EXPECT_EQ(r.fl, 350);
    EXPECT_EQ(r.tas, 468);
    EXPECT_EQ(r.d, 60);
    f[28] = "A045";
    f[29] = "N0450";
    EXPECT_EQ(readPilot(f).fl, 45);
    EXPECT_EQ(readPilot(f).tas, 450);
    f[28] = "VFR";
    EXPECT_EQ(readPilot(f).fl, 0);
}

}  // namespace
}  // namespace corvane::sim::test
