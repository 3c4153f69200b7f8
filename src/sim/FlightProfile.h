#pragma once

#include <utility>
#include <vector>

#include "AircraftState.h"
#include "AirportCatalog.h"

namespace corvane::sim {

/// Performance figures and ground times that shape one flight from gate to gate.
struct FlightPerformance {
    double cruiseAltitudeFt =
        35000.0;                     ///< altitude flown in cruise (may differ from the filed one)
    double cruiseSpeedKt = 450.0;    ///< ground speed in cruise
    double approachSpeedKt = 140.0;  ///< ground speed over the threshold
    double taxiSpeedKt = 15.0;       ///< ground speed while taxiing
    double gateTimeOutS = 600.0;     ///< time parked at the departure gate before pushing back
    double gateTimeInS = 600.0;      ///< time parked at the arrival gate after the flight
    double gateSideDeg = 90.0;       ///< where the gates lie, relative to the runway course
};

/// A whole flight from one gate to another along the great circle, repeated forever:
/// parked, taxi out, take-off roll, climb, cruise, descent on a three-degree path, approach,
/// landing roll, taxi in, parked again. Speeds vary smoothly with the distance flown, so the
/// flight's position at a given time follows in closed form and needs no stepping.
class FlightProfile {
public:
    FlightProfile(const Airport& departure, const Airport& destination,
                  const FlightPerformance& perf);

    /// One repetition of the flight, ground times included.
    double periodS() const { return period_; }

    /// The aircraft's state tau seconds into a repetition (wrapped into the period).
    AircraftState at(double tau) const;

private:
    struct Knot {
        double s;  // NM flown since the start of the take-off roll
        double v;  // ground speed in kt
        double t;  // seconds since the start of the take-off roll
    };

    void planGround();
    void planSpeedTables();
    void planAirborneSpeeds();
    double climbSpeed(double s) const;
    double descentSpeed(double s) const;
    double altitudeAt(double s) const;
    AircraftState airborneAt(double t) const;
    AircraftState groundLeg(GeoPoint from, GeoPoint to, double fraction, double speed,
                            double alt) const;

    Airport dep_;
    Airport dest_;
    FlightPerformance perf_;
    GeoPoint gateOut_, rollStart_, rollOutEnd_, gateIn_;
    double pathNm_ = 0.0;  // roll start to destination reference point
    double rollNm_ = 0.0;
    double finalCourse_ = 0.0;
    std::vector<std::pair<double, double>> climbTable_;    // (NM flown, kt)
    std::vector<std::pair<double, double>> descentTable_;  // (NM to go, kt)
    double lowAltFt_ = 10000.0;
    double taxiOutS_ = 0.0, taxiInS_ = 0.0;
    double rollS_ = 0.0, airborneS_ = 0.0, rollOutS_ = 0.0;
    double period_ = 0.0;
    std::vector<Knot> knots_;
};

}  // namespace corvane::sim
