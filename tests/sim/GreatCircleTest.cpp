#include "GreatCircle.h"

#include <gtest/gtest.h>

#include "support/CaseName.h"

namespace corvane::sim {
namespace {

struct DistanceCase {
    std::string name;
    GeoPoint a;
    GeoPoint b;
    double nm;
};
void PrintTo(const DistanceCase& c, std::ostream* out) {
    *out << c.name;
}

class GreatCircleDistance : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(GreatCircleDistance, MatchesKnownDistances) {
    const DistanceCase& c = GetParam();
    EXPECT_NEAR(GreatCircle::distanceNm(c.a, c.b), c.nm, c.nm * 0.005 + 0.01);
    EXPECT_NEAR(GreatCircle::distanceNm(c.b, c.a), c.nm, c.nm * 0.005 + 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GreatCircleDistance,
    ::testing::Values(
        DistanceCase{"OneDegreeOfLatitude", {0, 0}, {1, 0}, 60.04},
        DistanceCase{"SamePoint", {0, 0}, {0, 0}, 0.0},
        DistanceCase{"MilanLondon", {45.5, 9.2}, {51.5, 0.0}, 512.9},
        DistanceCase{"FrankfurtHeathrow", {50.0333, 8.5706}, {51.4706, -0.4619}, 354.0},
        DistanceCase{"FrankfurtMunich", {50.0333, 8.5706}, {48.3538, 11.7861}, 162.0}),
    corvane::test::caseName<DistanceCase>);

TEST(GreatCircle, CourseEastAlongTheEquatorIs90) {
    EXPECT_NEAR(GreatCircle::courseDeg({0, 0}, {0, 10}), 90.0, 1e-9);
    EXPECT_NEAR(GreatCircle::courseDeg({0, 10}, {0, 0}), 270.0, 1e-9);
    EXPECT_NEAR(GreatCircle::courseDeg({0, 0}, {10, 0}), 0.0, 1e-9);
}

TEST(GreatCircle, ProjectGoesTheRequestedDistance) {
    const GeoPoint start{50.0333, 8.5706};
    for (double course : {0.0, 70.0, 180.0, 250.0, 359.0}) {
        const GeoPoint p = GreatCircle::project(start, course, 9.0);
        EXPECT_NEAR(GreatCircle::distanceNm(start, p), 9.0, 1e-6) << course;
        EXPECT_NEAR(GreatCircle::courseDeg(start, p), course, 1e-6) << course;
    }
}

TEST(GreatCircle, InterpolateSplitsTheArc) {
    const GeoPoint a{50.0333, 8.5706};
    const GeoPoint b{40.6398, -73.7789};
    const double total = GreatCircle::distanceNm(a, b);
    const GeoPoint quarter = GreatCircle::interpolate(a, b, 0.25);
    EXPECT_NEAR(GreatCircle::distanceNm(a, quarter), total * 0.25, 1e-6);
    EXPECT_NEAR(GreatCircle::distanceNm(quarter, b), total * 0.75, 1e-6);
    const GeoPoint same = GreatCircle::interpolate(a, a, 0.5);
    EXPECT_DOUBLE_EQ(same.lat, a.lat);
    EXPECT_DOUBLE_EQ(same.lon, a.lon);
}

}  // namespace
}  // namespace corvane::sim
