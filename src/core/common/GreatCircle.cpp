#include "common/GreatCircle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace corvane {

namespace {

double toRadians(double degrees) {
    return degrees * GreatCircle::kPi / 180.0;
}

double toFullRadians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
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

double GreatCircle::centralAngle(double lat1, double lon1, double lat2, double lon2) {
    const double dLat = toFullRadians(lat2 - lat1);
    const double dLon = toFullRadians(lon2 - lon1);
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(toFullRadians(lat1)) * std::cos(toFullRadians(lat2)) *
                         std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2.0 * std::asin(std::min(1.0, std::sqrt(h)));
}

double GreatCircle::arcNm(double lat1, double lon1, double lat2, double lon2) {
    return centralAngle(lat1, lon1, lat2, lon2) * kMeanEarthRadiusNm;
}

}  // namespace corvane
