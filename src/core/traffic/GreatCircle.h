#pragma once

namespace corvane {

/// Great-circle arithmetic on the radar client's sphere: radius 6372 km, 0.54 NM per km, and
/// degrees converted with the 8-digit pi 3.1415926, so distances match what controllers using
/// the original tool were given.
class GreatCircle {
public:
    /// The pi of the degree conversion (not the full-precision constant).
    static constexpr double kPi = 3.1415926;
    static constexpr double kEarthRadiusKm = 6372.0;
    static constexpr double kNmPerKm = 0.54;
    static constexpr double kDegreesPerRadian = 57.29577951;

    /// `arccos` in its arctangent form, in radians. The argument is clamped to [-1, 1] so that
    /// rounding never yields NaN; 1 gives 0 and -1 gives pi.
    static double arccos(double x);
    /// `Radians`: degrees divided by 57.29577951.
    static double radians(double degrees);
    /// Whole nautical miles from (lat1, lon1) to (lat2, lon2), decimal degrees: the spherical
    /// law of cosines, cut to the largest whole number not above the result.
    static double distanceNm(double lat1, double lon1, double lat2, double lon2);
};

}  // namespace corvane
