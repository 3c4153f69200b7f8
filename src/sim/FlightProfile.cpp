#include "FlightProfile.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace corvane::sim {

namespace {

constexpr double kSecondsPerHour = 3600.0;
constexpr double kClimbLowFtPerNm = 500.0;   // steep initial climb below the speed limit
constexpr double kClimbHighFtPerNm = 250.0;  // shallower climb above it
constexpr double kDescentFtPerNm = 300.0;    // three-degree path down to the threshold
constexpr double kSpeedLimitAltFt = 10000.0;
constexpr double kSpeedLimitKt = 250.0;
constexpr double kRollStartBehindNm = 1.0;
constexpr double kGateDistanceNm = 0.5;

using Table = std::vector<std::pair<double, double>>;  // (x, y), x ascending

double lookup(const Table& table, double x) {
    if (x <= table.front().first) {
        return table.front().second;
    }
    for (std::size_t i = 1; i < table.size(); ++i) {
        if (x <= table[i].first) {
            const auto [x0, y0] = table[i - 1];
            const auto [x1, y1] = table[i];
            return x1 - x0 < 1e-9 ? y1 : y0 + (y1 - y0) * (x - x0) / (x1 - x0);
        }
    }
    return table.back().second;
}

// Speeds never drop while moving away from the aerodrome the table is anchored at.
void makeNonDecreasing(Table& table) {
    for (std::size_t i = 1; i < table.size(); ++i) {
        table[i].second = std::max(table[i].second, table[i - 1].second);
        table[i].first = std::max(table[i].first, table[i - 1].first + 0.5);
    }
}

double wrapCourse(double deg) {
    return std::fmod(std::fmod(deg, 360.0) + 360.0, 360.0);
}

}  // namespace

FlightProfile::FlightProfile(const Airport& departure, const Airport& destination,
                             const FlightPerformance& perf)
    : dep_(departure), dest_(destination), perf_(perf) {
    lowAltFt_ = std::min(kSpeedLimitAltFt, perf_.cruiseAltitudeFt);
    planGround();
    planAirborneSpeeds();
    period_ = perf_.gateTimeOutS + taxiOutS_ + rollS_ + airborneS_ + rollOutS_ + taxiInS_ +
              perf_.gateTimeInS;
}

void FlightProfile::planGround() {
    const double courseOut = GreatCircle::courseDeg(dep_.position, dest_.position);
    rollStart_ = GreatCircle::project(dep_.position, courseOut + 180.0, kRollStartBehindNm);
    gateOut_ = GreatCircle::project(dep_.position, courseOut + perf_.gateSideDeg, kGateDistanceNm);
    pathNm_ = GreatCircle::distanceNm(rollStart_, dest_.position);

    finalCourse_ = wrapCourse(GreatCircle::courseDeg(dest_.position, rollStart_) + 180.0);
    const bool light = perf_.approachSpeedKt < 100.0;
    const double rollOutNm = light ? 0.25 : 0.8;
    rollOutEnd_ = GreatCircle::project(dest_.position, finalCourse_, rollOutNm);
    gateIn_ =
        GreatCircle::project(dest_.position, finalCourse_ + perf_.gateSideDeg, kGateDistanceNm);

    const double taxi = std::max(perf_.taxiSpeedKt, 1.0);
    taxiOutS_ = GreatCircle::distanceNm(gateOut_, rollStart_) / taxi * kSecondsPerHour;
    taxiInS_ = GreatCircle::distanceNm(rollOutEnd_, gateIn_) / taxi * kSecondsPerHour;
    const double rollNm = light ? 0.25 : 0.75;
    rollS_ = 2.0 * rollNm / (perf_.approachSpeedKt + 10.0) * kSecondsPerHour;
    rollOutS_ = 2.0 * rollOutNm / (perf_.approachSpeedKt + taxi) * kSecondsPerHour;
}

void FlightProfile::planSpeedTables() {
    rollNm_ = (perf_.approachSpeedKt + 10.0) * rollS_ / kSecondsPerHour / 2.0;
    pathNm_ = std::max(pathNm_, rollNm_ + 1.0);
    const double vRotate = perf_.approachSpeedKt + 10.0;
    const double vLow = std::min(kSpeedLimitKt, perf_.cruiseSpeedKt);
    const double sLow = rollNm_ + std::max(2.5, (lowAltFt_ - dep_.elevationFt) / kClimbLowFtPerNm);
    const double sTopOfClimb =
        sLow + std::max(1.0, (perf_.cruiseAltitudeFt - lowAltFt_) / kClimbHighFtPerNm);
    climbTable_ = {{rollNm_, vRotate},
                   {rollNm_ + 2.0, (vRotate + vLow) / 2.0},
                   {sLow, vLow},
                   {sTopOfClimb, perf_.cruiseSpeedKt}};
    makeNonDecreasing(climbTable_);

    const double vApp = perf_.approachSpeedKt;
    const double dLow = std::max(16.0, (lowAltFt_ - dest_.elevationFt) / kDescentFtPerNm);
    const double dTopOfDescent =
        std::max(dLow + 1.0, (perf_.cruiseAltitudeFt - dest_.elevationFt) / kDescentFtPerNm);
    descentTable_ = {{0.0, vApp},
                     {4.0, vApp + 15.0},
                     {10.0, std::min(vLow, 190.0)},
                     {15.0, std::min(vLow, 220.0)},
                     {dLow, vLow},
                     {dTopOfDescent, perf_.cruiseSpeedKt}};
    makeNonDecreasing(descentTable_);
}

double FlightProfile::climbSpeed(double s) const {
    return lookup(climbTable_, s);
}

double FlightProfile::descentSpeed(double s) const {
    return lookup(descentTable_, pathNm_ - s);
}

double FlightProfile::altitudeAt(double s) const {
    const double airborne = std::max(0.0, s - rollNm_);
    const double lowSpan = std::max(0.0, lowAltFt_ - dep_.elevationFt) / kClimbLowFtPerNm;
    const double climb = airborne <= lowSpan
                             ? dep_.elevationFt + airborne * kClimbLowFtPerNm
                             : std::max(lowAltFt_, static_cast<double>(dep_.elevationFt)) +
                                   (airborne - lowSpan) * kClimbHighFtPerNm;
    const double descent = dest_.elevationFt + std::max(0.0, pathNm_ - s) * kDescentFtPerNm;
    return std::min({perf_.cruiseAltitudeFt, climb, descent});
}

void FlightProfile::planAirborneSpeeds() {
    planSpeedTables();
    // The speed is the lower of the climb schedule (rising with distance from the departure)
    // and the descent schedule (falling towards the destination); between breakpoints both are
    // linear, so the breakpoints plus the crossings give an exact piecewise-linear speed.
    std::vector<double> xs{rollNm_, pathNm_};
    for (const auto& [x, v] : climbTable_) {
        xs.push_back(x);
    }
    for (const auto& [d, v] : descentTable_) {
        xs.push_back(pathNm_ - d);
    }
    std::erase_if(xs, [this](double x) { return x < rollNm_ || x > pathNm_; });
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end(), [](double a, double b) { return b - a < 1e-6; }),
             xs.end());

    std::vector<double> points;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        points.push_back(xs[i]);
        if (i + 1 < xs.size()) {
            const double h0 = climbSpeed(xs[i]) - descentSpeed(xs[i]);
            const double h1 = climbSpeed(xs[i + 1]) - descentSpeed(xs[i + 1]);
            if ((h0 < 0.0 && h1 > 0.0) || (h0 > 0.0 && h1 < 0.0)) {
                points.push_back(xs[i] + (xs[i + 1] - xs[i]) * h0 / (h0 - h1));
            }
        }
    }

    knots_.clear();
    double t = rollS_;
    for (double s : points) {
        const double v = std::max(1.0, std::min(climbSpeed(s), descentSpeed(s)));
        if (!knots_.empty()) {
            const Knot& prev = knots_.back();
            const double ds = s - prev.s;
            const double k = (v - prev.v) / ds;
            const double hours = std::abs(k) < 1e-9 ? ds / prev.v : std::log(v / prev.v) / k;
            t += hours * kSecondsPerHour;
        }
        knots_.push_back({s, v, t});
    }
    airborneS_ = knots_.back().t - rollS_;
}

AircraftState FlightProfile::airborneAt(double t) const {
    std::size_t i = 1;
    while (i + 1 < knots_.size() && knots_[i].t < t) {
        ++i;
    }
    const Knot& a = knots_[i - 1];
    const Knot& b = knots_[i];
    const double hours = std::max(0.0, t - a.t) / kSecondsPerHour;
    const double k = (b.v - a.v) / (b.s - a.s);
    double s = 0.0;
    double v = a.v;
    if (std::abs(k) < 1e-9) {
        s = a.s + a.v * hours;
    } else {
        v = a.v * std::exp(k * hours);
        s = a.s + (v - a.v) / k;
    }
    s = std::clamp(s, a.s, b.s);
    AircraftState state;
    state.position = GreatCircle::interpolate(rollStart_, dest_.position, s / pathNm_);
    state.altitudeFt = altitudeAt(s);
    state.groundSpeedKt = v;
    state.headingDeg =
        pathNm_ - s > 0.05 ? GreatCircle::courseDeg(state.position, dest_.position) : finalCourse_;
    return state;
}

AircraftState FlightProfile::groundLeg(GeoPoint from, GeoPoint to, double fraction, double speed,
                                       double alt) const {
    AircraftState state;
    state.position = GreatCircle::interpolate(from, to, std::clamp(fraction, 0.0, 1.0));
    state.altitudeFt = alt;
    state.groundSpeedKt = speed;
    state.headingDeg = GreatCircle::courseDeg(from, to);
    return state;
}

AircraftState FlightProfile::at(double tau) const {
    double t = std::fmod(tau, period_);
    if (t < 0.0) {
        t += period_;
    }
    const double depElev = dep_.elevationFt;
    const double destElev = dest_.elevationFt;
    if (t < perf_.gateTimeOutS) {
        return groundLeg(gateOut_, rollStart_, 0.0, 0.0, depElev);
    }
    t -= perf_.gateTimeOutS;
    if (t < taxiOutS_) {
        return groundLeg(gateOut_, rollStart_, t / taxiOutS_, perf_.taxiSpeedKt, depElev);
    }
    t -= taxiOutS_;
    if (t < rollS_) {
        const double vRotate = perf_.approachSpeedKt + 10.0;
        const double v = vRotate * t / rollS_;
        const double s = v * t / kSecondsPerHour / 2.0;
        AircraftState state = groundLeg(rollStart_, dest_.position, s / pathNm_, v, depElev);
        state.position = GreatCircle::interpolate(rollStart_, dest_.position, s / pathNm_);
        return state;
    }
    if (t < rollS_ + airborneS_) {
        return airborneAt(t);
    }
    t -= rollS_ + airborneS_;
    if (t < rollOutS_) {
        const double v0 = perf_.approachSpeedKt;
        const double v1 = perf_.taxiSpeedKt;
        const double v = v0 + (v1 - v0) * t / rollOutS_;
        const double d = (v0 + v) / 2.0 * t / kSecondsPerHour;
        AircraftState state;
        state.position = GreatCircle::project(dest_.position, finalCourse_, d);
        state.altitudeFt = destElev;
        state.groundSpeedKt = v;
        state.headingDeg = finalCourse_;
        return state;
    }
    t -= rollOutS_;
    if (t < taxiInS_) {
        return groundLeg(rollOutEnd_, gateIn_, t / taxiInS_, perf_.taxiSpeedKt, destElev);
    }
    AircraftState parked = groundLeg(rollOutEnd_, gateIn_, 1.0, 0.0, destElev);
    return parked;
}

}  // namespace corvane::sim
