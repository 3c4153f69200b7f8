#pragma once

namespace corvane::sim {

/// A point on the earth's surface in decimal degrees (north and east positive).
struct GeoPoint {
    double lat = 0.0;
    double lon = 0.0;
};

/// Navigation on a spherical earth: distances, courses and points along great circles.
class GreatCircle {
public:
    static double distanceNm(GeoPoint a, GeoPoint b);

    /// Initial true course from a towards b, degrees 0..360.
    static double courseDeg(GeoPoint a, GeoPoint b);

    /// The point reached from p after distanceNm along the initial true course courseDeg.
    static GeoPoint project(GeoPoint p, double courseDeg, double distanceNm);

    /// The point at fraction f (0 = a, 1 = b) of the great-circle arc from a to b.
    static GeoPoint interpolate(GeoPoint a, GeoPoint b, double f);
};

}  // namespace corvane::sim
