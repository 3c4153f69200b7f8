#include "HoldingLoop.h"

#include <cmath>

namespace corvane::sim {

HoldingLoop::HoldingLoop(GeoPoint a, GeoPoint b, double altitudeFt, double outboundKt,
                         double inboundKt)
    : a_(a), b_(b), altitudeFt_(altitudeFt), outboundKt_(outboundKt), inboundKt_(inboundKt) {
    const double nm = GreatCircle::distanceNm(a_, b_);
    if (nm > 1e-6 && outboundKt_ > 0.0 && inboundKt_ > 0.0) {
        outS_ = nm / outboundKt_ * 3600.0;
        backS_ = nm / inboundKt_ * 3600.0;
    } else {
        outboundKt_ = 0.0;
        inboundKt_ = 0.0;
    }
}

AircraftState HoldingLoop::at(double tau) const {
    AircraftState state;
    state.altitudeFt = altitudeFt_;
    if (backS_ <= 0.0) {
        state.position = a_;
        state.headingDeg = GreatCircle::courseDeg(a_, b_);
        return state;
    }
    double t = std::fmod(tau, periodS());
    if (t < 0.0) {
        t += periodS();
    }
    if (t < outS_) {
        state.position = GreatCircle::interpolate(a_, b_, t / outS_);
        state.groundSpeedKt = outboundKt_;
        state.headingDeg = GreatCircle::courseDeg(a_, b_);
    } else {
        state.position = GreatCircle::interpolate(b_, a_, (t - outS_) / backS_);
        state.groundSpeedKt = inboundKt_;
        state.headingDeg = GreatCircle::courseDeg(b_, a_);
    }
    return state;
}

}  // namespace corvane::sim
