#pragma once

#include "AircraftState.h"

namespace corvane::sim {

/// An aircraft going back and forth between two points at a steady altitude, as in a holding
/// pattern, a vectoring leg or a stretch of taxiway; each leg has its own ground speed. A leg
/// speed of zero on both legs parks the aircraft at the first point.
class HoldingLoop {
public:
    /// Loop from `a` to `b` at `outboundKt`, back at `inboundKt`, at `altitudeFt` throughout.
    HoldingLoop(GeoPoint a, GeoPoint b, double altitudeFt, double outboundKt, double inboundKt);

    /// One round trip.
    double periodS() const { return outS_ + backS_; }

    /// The aircraft's state tau seconds into a round trip (wrapped into the period).
    AircraftState at(double tau) const;

private:
    GeoPoint a_, b_;
    double altitudeFt_;
    double outboundKt_, inboundKt_;
    double outS_ = 1.0, backS_ = 0.0;
};

}  // namespace corvane::sim
