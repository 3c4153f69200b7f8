#include "traffic/GreatCircle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support/CaseName.h"

namespace corvane {
namespace {

struct DistanceCase {
    const char* name;
    double lat1, lon1, lat2, lon2;
    double nm;
};

class GreatCircleDistance : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(GreatCircleDistance, IsCutToWholeNauticalMiles) {
    const DistanceCase& c = GetParam();
    EXPECT_EQ(GreatCircle::distanceNm(c.lat1, c.lon1, c.lat2, c.lon2), c.nm);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GreatCircleDistance,
    ::testing::Values(DistanceCase{"OneDegreeOfLatitude", 0, 0, 1, 0, 60},
                      DistanceCase{"MilanToLondon", 45.5, 9.2, 51.5, 0.0, 512},
                      DistanceCase{"BackwardsIsTheSame", 51.5, 0.0, 45.5, 9.2, 512},
                      DistanceCase{"TenDegreesSouth", 50, 8, 40, 8, 600},
                      DistanceCase{"WestOfGreenwich", 0, -1, 0, 0, 60},
                      DistanceCase{"CoincidentOrigin", 0, 0, 0, 0, 0},
                      DistanceCase{"CoincidentAirport", 50.0379, 8.5622, 50.0379, 8.5622, 0},
                      DistanceCase{"Antipodal", 0, 0, 0, 180, 10809},
                      DistanceCase{"PoleToPole", 90, 0, -90, 0, 10809}),
    test::caseName<DistanceCase>);

TEST(GreatCircle, ArccosUsesTheArctangentForm) {
    EXPECT_NEAR(GreatCircle::arccos(0.0), 1.5707963267948966, 1e-12);
    EXPECT_NEAR(GreatCircle::arccos(0.5), std::acos(0.5), 1e-12);
    EXPECT_NEAR(GreatCircle::arccos(-0.5), std::acos(-0.5), 1e-12);
    EXPECT_NEAR(GreatCircle::arccos(0.988909), 0.149, 0.001);
}

struct ArccosEdge {
    double x;
    double radians;
};

class ArccosEnds : public ::testing::TestWithParam<ArccosEdge> {};

TEST_P(ArccosEnds, AreClampedAndNeverNaN) {
    const double result = GreatCircle::arccos(GetParam().x);
    EXPECT_FALSE(std::isnan(result));
    EXPECT_DOUBLE_EQ(result, GetParam().radians);
}

INSTANTIATE_TEST_SUITE_P(Clamp, ArccosEnds,
                         ::testing::Values(ArccosEdge{1.0, 0.0}, ArccosEdge{1.0000000002, 0.0},
                                           ArccosEdge{-1.0, std::numbers::pi},
                                           ArccosEdge{-1.0000000002, std::numbers::pi},
                                           ArccosEdge{std::nan(""), 0.0}));

TEST(GreatCircle, RadiansDivideByDegreesPerRadian) {
    EXPECT_DOUBLE_EQ(GreatCircle::radians(57.29577951), 1.0);
    EXPECT_DOUBLE_EQ(GreatCircle::radians(180.0), 180.0 / 57.29577951);
    EXPECT_DOUBLE_EQ(GreatCircle::radians(0.0), 0.0);
}

TEST(GreatCircle, ConvertsWithTheEightDigitPi) {
    EXPECT_DOUBLE_EQ(GreatCircle::kPi, 3.1415926);
    EXPECT_DOUBLE_EQ(GreatCircle::kEarthRadiusKm, 6372.0);
    EXPECT_DOUBLE_EQ(GreatCircle::kNmPerKm, 0.54);
}

}  // namespace
}  // namespace corvane
