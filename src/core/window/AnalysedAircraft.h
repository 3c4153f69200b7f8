#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "window/FlightPlanRecord.h"
#include "window/ParameterAdvice.h"

namespace corvane {

/// The aircraft one traffic panel analysed last, as the panel shows it. Each side has its own,
/// so a panel never shows another aircraft's figures. A figure stays as it was when the
/// aircraft's line gives no new one, and the rules judge the figures as shown.
struct AnalysedAircraft {
    std::string airline;
    std::string nearAerodrome;
    std::string altitude;
    std::string groundSpeed;
    std::string phase;
    /// The SID or STAR the route names, or "VFR".
    std::string expectedProcedure;
    std::string centre;

    std::string filedDeparture;
    std::string filedDestination;
    std::string filedLevel;
    std::string filedSpeed;

    /// Departure aerodrome to destination, whole NM (departure side).
    std::string routeDistance;
    /// Present position to destination, whole NM.
    std::string distanceToGo;
    std::string flyingHours;
    std::string flyingMinutes;
    /// Expected arrival time on the local clock (arrival side).
    std::string arrivalHour;
    std::string arrivalMinute;
    /// The squawk of the aircraft's line, "" for none or 0000 (arrival side).
    std::string squawk;

    /// How the last analysis judged the figures; kept apart from them, as a message outlives
    /// the figures it judged until the panel's next selection or analysis.
    ParameterAdvice message;

    /// The flight plan read from the aircraft's lines, each field kept until a line gives it.
    FlightPlanRecord record;
    /// The figures of the last distance and flying-time computation.
    double distanceToGoNm = 0.0;
    double planningSpeed = 0.0;

    using Figure = std::string AnalysedAircraft::*;

    /// Empties every figure the panel shows but the `kept` ones; the message, the plan record
    /// and the last computation stay.
    void clearFiguresBut(std::initializer_list<Figure> kept = {}) {
        AnalysedAircraft cleared;
        cleared.message = std::move(message);
        cleared.record = std::move(record);
        cleared.distanceToGoNm = distanceToGoNm;
        cleared.planningSpeed = planningSpeed;
        for (const Figure figure : kept) {
            cleared.*figure = std::move(this->*figure);
        }
        *this = std::move(cleared);
    }

    /// The plan's departure aerodrome, level and cruising speed: the panel's figures once a line
    /// has given them, else "".
    std::string planDepAerodrome() const { return record.depAerodromeLinked ? filedDeparture : ""; }
    std::string planLevel() const { return record.levelLinked ? filedLevel : ""; }
    std::string planCruiseSpeed() const { return record.cruiseSpeedLinked ? filedSpeed : ""; }
};

}  // namespace corvane
