#pragma once

namespace corvane {

/// Great-circle arithmetic. Two spheres, on purpose: the radar client's (radius 6372 km, 0.54 NM
/// per km, degrees converted with the 8-digit pi 3.1415926), so that the distances shown match
/// what controllers using the original tool were given; and the mean earth of 3440.065 NM with
/// full-precision degrees, for the simulator's flight paths and the feed's nearest aerodrome,
/// where a whole-mile result would stall a taxiing aircraft.
namespace GreatCircle {
/// The pi of the degree conversion (not the full-precision constant).
inline constexpr double kPi = 3.1415926;
inline constexpr double kEarthRadiusKm = 6372.0;
inline constexpr double kNmPerKm = 0.54;
inline constexpr double kDegreesPerRadian = 57.29577951;

/// `arccos` in its arctangent form, in radians. The argument is clamped to [-1, 1] so that
/// rounding never yields NaN; 1 gives 0 and -1 gives pi.
double arccos(double x);
/// `Radians`: degrees divided by 57.29577951.
double radians(double degrees);
/// Whole nautical miles from (lat1, lon1) to (lat2, lon2), decimal degrees: the spherical
/// law of cosines, cut to the largest whole number not above the result.
double distanceNm(double lat1, double lon1, double lat2, double lon2);

inline constexpr double kMeanEarthRadiusNm = 3440.065;
/// The angle in radians at the earth's centre between (lat1, lon1) and (lat2, lon2), decimal
/// degrees, in the haversine form, which stays accurate down to steps of a few metres.
double centralAngle(double lat1, double lon1, double lat2, double lon2);
/// centralAngle() on the mean earth in nautical miles, not rounded.
double arcNm(double lat1, double lon1, double lat2, double lon2);
}  // namespace GreatCircle

}  // namespace corvane
