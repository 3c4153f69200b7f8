#include "GreatCircle.h"

#include <cmath>
#include <numbers>

#include "common/GreatCircle.h"

namespace corvane::sim {

namespace {

constexpr double kEarthRadiusNm = corvane::GreatCircle::kMeanEarthRadiusNm;

double toRad(double deg) {
    return deg * std::numbers::pi / 180.0;
}
double toDeg(double rad) {
    return rad * 180.0 / std::numbers::pi;
}

double centralAngle(GeoPoint a, GeoPoint b) {
    return corvane::GreatCircle::centralAngle(a.lat, a.lon, b.lat, b.lon);
}

}  // namespace

double GreatCircle::distanceNm(GeoPoint a, GeoPoint b) {
    return corvane::GreatCircle::arcNm(a.lat, a.lon, b.lat, b.lon);
}

double GreatCircle::courseDeg(GeoPoint a, GeoPoint b) {
    const double lat1 = toRad(a.lat);
    const double lat2 = toRad(b.lat);
    const double dLon = toRad(b.lon - a.lon);
    const double y = std::sin(dLon) * std::cos(lat2);
    const double x =
        std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dLon);
    const double deg = toDeg(std::atan2(y, x));
    return std::fmod(deg + 360.0, 360.0);
}

GeoPoint GreatCircle::project(GeoPoint p, double courseDeg, double distanceNm) {
    const double delta = distanceNm / kEarthRadiusNm;
    const double theta = toRad(courseDeg);
    const double lat1 = toRad(p.lat);
    const double lon1 = toRad(p.lon);
    const double lat2 = std::asin(std::sin(lat1) * std::cos(delta) +
                                  std::cos(lat1) * std::sin(delta) * std::cos(theta));
    const double lon2 = lon1 + std::atan2(std::sin(theta) * std::sin(delta) * std::cos(lat1),
                                          std::cos(delta) - std::sin(lat1) * std::sin(lat2));
    double lon = toDeg(lon2);
    lon = std::fmod(lon + 540.0, 360.0) - 180.0;
    return {toDeg(lat2), lon};
}

GeoPoint GreatCircle::interpolate(GeoPoint a, GeoPoint b, double f) {
    const double delta = centralAngle(a, b);
    if (delta < 1e-12) {
        return a;
    }
    const double sa = std::sin((1.0 - f) * delta) / std::sin(delta);
    const double sb = std::sin(f * delta) / std::sin(delta);
    const double lat1 = toRad(a.lat);
    const double lon1 = toRad(a.lon);
    const double lat2 = toRad(b.lat);
    const double lon2 = toRad(b.lon);
    const double x = sa * std::cos(lat1) * std::cos(lon1) + sb * std::cos(lat2) * std::cos(lon2);
    const double y = sa * std::cos(lat1) * std::sin(lon1) + sb * std::cos(lat2) * std::sin(lon2);
    const double z = sa * std::sin(lat1) + sb * std::sin(lat2);
    return {toDeg(std::atan2(z, std::sqrt(x * x + y * y))), toDeg(std::atan2(y, x))};
}

}  // namespace corvane::sim
