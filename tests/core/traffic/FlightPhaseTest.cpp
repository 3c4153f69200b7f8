#include "traffic/FlightPhase.h"

#include <gtest/gtest.h>

#include "support/CaseName.h"

namespace corvane {
namespace {

struct PhaseCase {
    const char* name;
    FlightFigures figures;  // altitude, ground speed, level, TAS, distance to go
    std::optional<std::string> phase;
};

class FlightPhaseRules : public ::testing::TestWithParam<PhaseCase> {};

TEST_P(FlightPhaseRules, LastRuleThatHoldsStands) {
    EXPECT_EQ(FlightPhase::classify(GetParam().figures), GetParam().phase);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FlightPhaseRules,
    ::testing::Values(
        // F350 at 33500 ft: above 33000, en route.
        PhaseCase{"EnRouteJustAboveTopOfClimb", {33500, 450, 350, 450, 300}, "EN ROUTE"},
        PhaseCase{"EnRouteAtFiledLevel", {35100, 460, 350, 450, 400}, "EN ROUTE"},
        PhaseCase{"TopOfClimbItselfIsNotEnRoute", {33000, 450, 350, 450, 300}, std::nullopt},
        PhaseCase{"Taxiing", {364, 20, 360, 450, 600}, "TAXING"},
        PhaseCase{"TaxiingAtOneKnot", {364, 1, 360, 450, 600}, "TAXING"},
        PhaseCase{"FortyKnotsIsNoLongerTaxiing", {364, 40, 360, 450, 600}, std::nullopt},
        PhaseCase{"SixtyKnotsOnTheGroundLeavesThePhase", {364, 60, 360, 450, 600}, std::nullopt},
        PhaseCase{"OnTheGround", {364, 0, 360, 450, 600}, "ON THE GROUND"},
        PhaseCase{"Climbing", {12000, 300, 360, 450, 500}, "CLIMBING"},
        PhaseCase{"EightyKnotsIsNotClimbing", {1000, 80, 360, 450, 500}, std::nullopt},
        PhaseCase{"ClimbingNeedsMoreThanLevelOverThree", {12000, 300, 360, 450, 120}, std::nullopt},
        PhaseCase{"Descending", {20000, 300, 360, 450, 100}, "DESCENDING"},
        PhaseCase{"DescendingNeedsMoreThanTenMiles", {20000, 300, 360, 450, 10}, std::nullopt},
        PhaseCase{"Approaching", {9000, 230, 240, 450, 8}, "APPROACHING"},
        PhaseCase{"ApproachingOverridesDescending", {4000, 200, 360, 450, 10.5}, "APPROACHING"},
        PhaseCase{"ApproachAt240KnotsIsTooFast", {9000, 240, 240, 450, 8}, std::nullopt},
        PhaseCase{"ApproachAt100KnotsIsTooSlow", {3000, 100, 240, 450, 8}, std::nullopt},
        PhaseCase{"TwoMilesIsNeitherApproachNorFinal", {2000, 150, 240, 450, 2}, std::nullopt},
        // F350, 1500 ft, 1.5 NM, 140 kt.
        PhaseCase{"FinalApproaching", {1500, 140, 350, 450, 1.5}, "FINAL APPROACHING"},
        PhaseCase{"FinalApproachingAtTheThreshold", {400, 130, 350, 450, 0}, "FINAL APPROACHING"},
        PhaseCase{"EnRouteButStoppedIsOnTheGround", {36000, 0, 0, 0, 0}, "ON THE GROUND"},
        // An unreadable filed level reads 0, so any altitude is above its top of climb.
        PhaseCase{"NoFiledLevelIsEnRoute", {0, 50, 0, 0, 0}, "EN ROUTE"}),
    test::caseName<PhaseCase>);

}  // namespace
}  // namespace corvane
