#include "traffic/GreatCircle.h"

#include <cmath>

namespace corvane {

namespace {

double toRadians(double degrees) {
    return degrees * GreatCircle::kPi / 180.0;
}

}  // namespace

double GreatCircle::arccos(double x) {
    // Coincident and antipodal points would divide by zero below, and values a hair beyond
    // +-1 after rounding would take the root of a negative number.
    if (std::isnan(x) || x >= 1.0) {
        return 0.0;
    }
    if (x <= -1.0) {
        return 4.0 * std::atan(1.0);
    }
    return std::atan(-x / std::sqrt(1.0 - x * x)) + 2.0 * std::atan(1.0);
}

double GreatCircle::radians(double degrees) {
    return degrees / kDegreesPerRadian;
}

double GreatCircle::distanceNm(double lat1, double lon1, double lat2, double lon2) {
    const double phi1 = toRadians(lat1);
    const double phi2 = toRadians(lat2);
    const double deltaLon = std::fabs(toRadians(lon2) - toRadians(lon1));
    const double c =
        std::cos(phi2) * std::cos(phi1) * std::cos(deltaLon) + std::sin(phi2) * std::sin(phi1);
    const double nm = std::floor(kEarthRadiusKm * arccos(c) * kNmPerKm);
    return std::isfinite(nm) ? nm : 0.0;
}

}  // namespace corvane
