// Distances, courses, projections and interpolations on the sphere, from
// tests/data/sim/greatcircle.tsv.
#include "GreatCircle.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/CaseTable.h"

namespace corvane::sim {
namespace {

std::string fixed(double value, double other) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f %.6f", value + 0.0, other + 0.0);
    return text;
}

// Columns: function, lat, lon, then a second point (lat, lon) or course and NM, then a fraction.
std::string evaluate(const test::CaseRow& row) {
    const GeoPoint a{std::stod(row[1]), std::stod(row[2])};
    const GeoPoint b{std::stod(row[3]), std::stod(row[4])};
    if (row[0] == "distance") {  // both ways
        return fixed(GreatCircle::distanceNm(a, b), GreatCircle::distanceNm(b, a));
    }
    if (row[0] == "course") {  // and back
        return fixed(GreatCircle::courseDeg(a, b), GreatCircle::courseDeg(b, a));
    }
    if (row[0] == "project") {  // how far and where to the projected point lies
        const GeoPoint p = GreatCircle::project(a, b.lat, b.lon);
        return fixed(GreatCircle::distanceNm(a, p), GreatCircle::courseDeg(a, p));
    }
    const GeoPoint p = GreatCircle::interpolate(a, b, std::stod(row[5]));
    if (row[0] == "interpolatePoint") {
        return fixed(p.lat, p.lon);
    }
    const double total = GreatCircle::distanceNm(a, b);
    return fixed(GreatCircle::distanceNm(a, p) / total, GreatCircle::distanceNm(p, b) / total);
}

class GreatCircleTable : public ::testing::TestWithParam<test::CaseRow> {};

TEST_P(GreatCircleTable, Computes) {
    EXPECT_EQ(evaluate(GetParam()), GetParam()[6]);
}

CORVANE_CASES(Table, GreatCircleTable, "sim/greatcircle.tsv");

}  // namespace
}  // namespace corvane::sim
