#include "traffic/ParameterMessage.h"

#include "app/BlinkTimer.h"
#include "app/Colours.h"
#include "app/Label.h"

namespace corvane {

namespace {

constexpr const char* kSlowDownOnGround =
    "HIGH CURRENT SPEED ON THE GROUND - CORRECTION DECREASE SPEED";
constexpr const char* kStartDescent = "HIGH ALTITUDE - CORRECTION START DESCEND";
constexpr const char* kSlowDownInApproach = "HIGH SPEED IN APPROAH - CORRECTION DECREASE SPEED";
constexpr const char* kDescendInApproach = "HIGH ALTITUDE - CORRECTION DECREASE ALTITUDE";

ParameterAdvice advise(const char* caption, int fontSize) {
    return {caption, fontSize, true};
}

bool tooHighForDistance(const FlightFigures& f) {
    return (f.altitude - 5000.0) / 100.0 / 3.0 > f.distanceToGo &&
           f.altitude > f.filedLevel * 100.0 - 2000.0;
}

}  // namespace

ParameterAdvice ParameterMessage::departure(const std::string& phase, const FlightFigures& f) {
    const double level = f.filedLevel * 100.0;
    if ((phase == "EN ROUTE" && f.altitude < level - 400.0) || f.altitude > level + 400.0) {
        return advise("CURRENT ALT DIFFERENT FL FILED - CORRECTION REACHING FL FILED", 12);
    }
    if (phase == "TAXING" && f.groundSpeed > 40.0) {
        return advise(kSlowDownOnGround, 12);
    }
    if (tooHighForDistance(f)) {
        return advise(kStartDescent, 14);
    }
    if (phase == "APPROACHING" && f.groundSpeed > 250.0 && f.distanceToGo < 19.0) {
        return advise(kSlowDownInApproach, 12);
    }
    if (phase == "EN ROUTE" && f.groundSpeed > f.filedTas + 50.0) {
        return advise("OVERSPEED - CORRECTION DECREASE SPEED", 13);
    }
    if (phase == "APPROACHING" && f.altitude > 10000.0) {
        return advise(kDescendInApproach, 12);
    }
    return {kNormal, 22, false};
}

ParameterAdvice ParameterMessage::arrival(const std::string& phase, const FlightFigures& f) {
    if (phase == "EN ROUTE" || phase == "CLIMBING" || f.altitude > f.filedLevel * 100.0 + 400.0) {
        return advise("OUTSIDE RADAR COVERTURE", 13);
    }
    if (phase == "TAXING" && f.groundSpeed > 40.0) {
        return advise(kSlowDownOnGround, 11);
    }
    if (tooHighForDistance(f)) {
        return advise(kStartDescent, 13);
    }
    if (phase == "APPROACHING" && f.groundSpeed > 220.0 && f.distanceToGo < 10.0) {
        return advise(kSlowDownInApproach, 11);
    }
    if (phase == "APPROACHING" && f.altitude > 10000.0) {
        return advise(kDescendInApproach, 13);
    }
    return {kNormal, 22, false};
}

ParameterAdvice ParameterMessage::problem() {
    return advise(kProblem, 14);
}

void ParameterMessage::show(const ParameterAdvice& advice, Label& label, BlinkTimer& timer) {
    timer.enabled = advice.warning;
    label.backColour = advice.warning ? colour::kRed : colour::kYellow;
    label.fontSize = advice.fontSize;
    label.text = advice.caption;
}

}  // namespace corvane
