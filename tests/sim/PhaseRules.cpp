#include "PhaseRules.h"

#include <algorithm>
#include <cmath>

#include "SnapshotFields.h"

namespace corvane::sim::test {

namespace {

// The analyses' own great-circle distance: law of cosines, 6372 km, 0.54 NM per km, cut.
double analysisDistance(double lat1, double lon1, double lat2, double lon2) {
    constexpr double kPi = 3.1415926;
    const double a1 = lat1 * kPi / 180;
    const double a2 = lat2 * kPi / 180;
    const double dl = std::abs(lon2 * kPi / 180 - lon1 * kPi / 180);
    const double c = std::clamp(
        std::cos(a2) * std::cos(a1) * std::cos(dl) + std::sin(a2) * std::sin(a1), -1.0, 1.0);
    return std::floor(6372.0 * std::acos(c) * 0.54);
}

}  // namespace

PilotReading readPilot(const std::vector<std::string>& f) {
    PilotReading r;
    r.alt = leadingNumber(f[11]);
    r.gs = leadingNumber(f[12]);
    r.fl = leadingNumber(f[28].size() > 1 ? std::string_view(f[28]).substr(1, 3) : "");
    r.tas = leadingNumber(f[29].size() > 2 ? std::string_view(f[29]).substr(2, 3) : "");
    if (!f[29].empty() && f[29][0] == 'M') {
        r.tas *= 6;
    }
    r.d = analysisDistance(leadingNumber(f[7]), leadingNumber(f[8]), leadingNumber(f[24]),
                           leadingNumber(f[25]));
    return r;
}

std::string flightPhase(const PilotReading& r, const std::string& previous) {
    std::string phase = previous;
    const double below = r.fl * 100 - 2000;
    if (r.alt > below) {
        phase = "EN ROUTE";
    }
    if (r.gs > 0 && r.gs < 40) {
        phase = "TAXING";
    }
    if (r.gs == 0) {
        phase = "ON THE GROUND";
    }
    if (r.gs > 80 && r.alt < below && r.d > r.fl / 3) {
        phase = "CLIMBING";
    }
    if (r.d > 10 && r.alt < below && r.d < r.fl / 3) {
        phase = "DESCENDING";
    }
    if (r.d > 2 && r.d < 11 && r.gs > 100 && r.gs < 240) {
        phase = "APPROACHING";
    }
    if (r.d < 2 && r.gs > 100 && r.gs < 240) {
        phase = "FINAL APPROACHING";
    }
    return phase;
}

int departureMessage(const PilotReading& r, const std::string& phase) {
    const double level = r.fl * 100;
    if ((phase == "EN ROUTE" && r.alt < level - 400) || r.alt > level + 400) {
        return 1;
    }
    if (phase == "TAXING" && r.gs > 40) {
        return 2;
    }
    if ((r.alt - 5000) / 100 / 3 > r.d && r.alt > level - 2000) {
        return 3;
    }
    if (phase == "APPROACHING" && r.gs > 250 && r.d < 19) {
        return 4;
    }
    if (phase == "EN ROUTE" && r.gs > r.tas + 50) {
        return 5;
    }
    if (phase == "APPROACHING" && r.alt > 10000) {
        return 6;
    }
    return 7;
}

int arrivalMessage(const PilotReading& r, const std::string& phase) {
    const double level = r.fl * 100;
    if (phase == "EN ROUTE" || phase == "CLIMBING" || r.alt > level + 400) {
        return 1;
    }
    if (phase == "TAXING" && r.gs > 40) {
        return 2;
    }
    if ((r.alt - 5000) / 100 / 3 > r.d && r.alt > level - 2000) {
        return 3;
    }
    if (phase == "APPROACHING" && r.gs > 220 && r.d < 10) {
        return 4;
    }
    if (phase == "APPROACHING" && r.alt > 10000) {
        return 5;
    }
    return 6;
}

}  // namespace corvane::sim::test
