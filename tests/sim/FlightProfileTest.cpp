#include "FlightProfile.h"

#include <gtest/gtest.h>

#include "HoldingLoop.h"

namespace corvane::sim {
namespace {

FlightProfile frankfurtHeathrow() {
    FlightPerformance perf;
    perf.cruiseAltitudeFt = 35000;
    perf.cruiseSpeedKt = 450;
    perf.gateTimeOutS = 600;
    perf.gateTimeInS = 600;
    return FlightProfile(AirportCatalog::get("EDDF"), AirportCatalog::get("EGLL"), perf);
}

TEST(FlightProfile, StartsParkedAtTheDepartureGate) {
    const FlightProfile p = frankfurtHeathrow();
    const AircraftState s = p.at(10);
    EXPECT_EQ(s.groundSpeedKt, 0.0);
    EXPECT_EQ(s.altitudeFt, 364.0);
    EXPECT_LT(GreatCircle::distanceNm(s.position, AirportCatalog::get("EDDF").position), 1.0);
}

TEST(FlightProfile, EndsParkedAtTheArrivalGate) {
    const FlightProfile p = frankfurtHeathrow();
    const AircraftState s = p.at(p.periodS() - 10);
    EXPECT_EQ(s.groundSpeedKt, 0.0);
    EXPECT_EQ(s.altitudeFt, 83.0);
    EXPECT_LT(GreatCircle::distanceNm(s.position, AirportCatalog::get("EGLL").position), 1.5);
}

TEST(FlightProfile, RepeatsWithItsPeriod) {
    const FlightProfile p = frankfurtHeathrow();
    for (double t : {100.0, 1500.0, 3000.0}) {
        const AircraftState a = p.at(t);
        const AircraftState b = p.at(t + 3 * p.periodS());
        EXPECT_NEAR(a.position.lat, b.position.lat, 1e-6);
        EXPECT_NEAR(a.altitudeFt, b.altitudeFt, 1e-3);
    }
}

TEST(FlightProfile, TakesAPlausibleTime) {
    const FlightProfile p = frankfurtHeathrow();
    // About 355 NM: an hour or a little more in the air, plus twenty minutes at the gates.
    EXPECT_GT(p.periodS(), 1200 + 50 * 60);
    EXPECT_LT(p.periodS(), 1200 + 110 * 60);
}

TEST(FlightProfile, StaysWithinPlausibleEnvelope) {
    const FlightProfile p = frankfurtHeathrow();
    double lastDistance = 1e9;
    bool reachedCruise = false;
    bool movedOnGroundSlowly = false;
    for (double t = 0; t < p.periodS(); t += 5) {
        const AircraftState s = p.at(t);
        ASSERT_GE(s.groundSpeedKt, 0.0) << t;
        ASSERT_LE(s.groundSpeedKt, 451.0) << t;
        ASSERT_LE(s.altitudeFt, 35000.0) << t;
        ASSERT_GE(s.altitudeFt, 83.0) << t;
        const double toGo =
            GreatCircle::distanceNm(s.position, AirportCatalog::get("EGLL").position);
        if (s.altitudeFt > 10500) {
            ASSERT_GE(s.groundSpeedKt, 249.0) << t;
            // Never above the three-degree path to the destination.
            ASSERT_LE(s.altitudeFt, 83 + 300 * toGo + 1) << t;
        }
        if (s.altitudeFt >= 34999) {
            reachedCruise = true;
        }
        if (s.groundSpeedKt >= 5 && s.groundSpeedKt <= 30 && s.altitudeFt == 364.0) {
            movedOnGroundSlowly = true;
        }
        if (s.altitudeFt > 400) {
            ASSERT_LE(toGo, lastDistance + 1e-6) << t;  // always closing in once airborne
            lastDistance = toGo;
        }
    }
    EXPECT_TRUE(reachedCruise);
    EXPECT_TRUE(movedOnGroundSlowly);
}

TEST(FlightProfile, LandsAtApproachSpeed) {
    const FlightProfile p = frankfurtHeathrow();
    double slowestFinal = 1e9;
    for (double t = 0; t < p.periodS(); t += 1) {
        const AircraftState s = p.at(t);
        const double toGo =
            GreatCircle::distanceNm(s.position, AirportCatalog::get("EGLL").position);
        if (toGo < 2 && s.altitudeFt > 100) {
            slowestFinal = std::min(slowestFinal, s.groundSpeedKt);
            EXPECT_LT(s.altitudeFt, 1000) << t;
        }
    }
    EXPECT_NEAR(slowestFinal, 140.0, 3.0);
}

TEST(HoldingLoop, AlternatesLegsAndSpeeds) {
    const GeoPoint a{50.0, 8.0};
    const GeoPoint b = GreatCircle::project(a, 90, 10);
    const HoldingLoop loop(a, b, 9000, 200, 100);
    EXPECT_NEAR(loop.periodS(), 180 + 360, 1e-6);
    EXPECT_EQ(loop.at(90).groundSpeedKt, 200);
    EXPECT_NEAR(GreatCircle::distanceNm(a, loop.at(90).position), 5.0, 1e-6);
    EXPECT_EQ(loop.at(360).groundSpeedKt, 100);
    EXPECT_NEAR(GreatCircle::distanceNm(b, loop.at(360).position), 5.0, 1e-6);
    EXPECT_EQ(loop.at(360).altitudeFt, 9000);
}

TEST(HoldingLoop, ZeroSpeedParks) {
    const GeoPoint a{50.0, 8.0};
    const HoldingLoop loop(a, a, 364, 0, 0);
    for (double t : {0.0, 33.0, 1e6}) {
        EXPECT_EQ(loop.at(t).groundSpeedKt, 0);
        EXPECT_DOUBLE_EQ(loop.at(t).position.lat, 50.0);
    }
}

}  // namespace
}  // namespace corvane::sim
