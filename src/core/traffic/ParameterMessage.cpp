#include "traffic/ParameterMessage.h"

namespace corvane {

namespace {

constexpr const char* kSlowDownOnGround =
    "HIGH CURRENT SPEED ON THE GROUND - CORRECTION DECREASE SPEED";
constexpr const char* kStartDescent = "HIGH ALTITUDE - CORRECTION START DESCEND";
constexpr const char* kSlowDownInApproach = "HIGH SPEED IN APPROAH - CORRECTION DECREASE SPEED";
constexpr const char* kDescendInApproach = "HIGH ALTITUDE - CORRECTION DECREASE ALTITUDE";

// Every advice with the font size it is shown at.
struct Advice {
    const char* caption;
    int fontSize;
};

namespace departures {
constexpr Advice kOffLevel{"CURRENT ALT DIFFERENT FL FILED - CORRECTION REACHING FL FILED", 12};
constexpr Advice kFastOnGround{kSlowDownOnGround, 12};
constexpr Advice kTooHigh{kStartDescent, 14};
constexpr Advice kFastInApproach{kSlowDownInApproach, 12};
constexpr Advice kOverspeed{"OVERSPEED - CORRECTION DECREASE SPEED", 13};
constexpr Advice kHighInApproach{kDescendInApproach, 12};
}  // namespace departures

namespace arrivals {
constexpr Advice kOutsideCoverage{"OUTSIDE RADAR COVERTURE", 13};
constexpr Advice kFastOnGround{kSlowDownOnGround, 11};
constexpr Advice kTooHigh{kStartDescent, 13};
constexpr Advice kFastInApproach{kSlowDownInApproach, 11};
constexpr Advice kHighInApproach{kDescendInApproach, 13};
}  // namespace arrivals

constexpr Advice kProblemAdvice{ParameterMessage::kProblem, 14};

ParameterAdvice advise(const Advice& advice) {
    return {advice.caption, advice.fontSize, true};
}

ParameterAdvice normal() {
    return {ParameterMessage::kNormal, 22, false};
}

bool tooHighForDistance(const FlightFigures& f) {
    return (f.altitude - 5000.0) / 100.0 / 3.0 > f.distanceToGo &&
           f.altitude > f.filedLevel * 100.0 - 2000.0;
}

}  // namespace

ParameterAdvice ParameterMessage::departure(const std::string& phase, const FlightFigures& f) {
    using namespace departures;
    const double level = f.filedLevel * 100.0;
    if ((phase == "EN ROUTE" && f.altitude < level - 400.0) || f.altitude > level + 400.0) {
        return advise(kOffLevel);
    }
    if (phase == "TAXING" && f.groundSpeed > 40.0) {
        return advise(kFastOnGround);
    }
    if (tooHighForDistance(f)) {
        return advise(kTooHigh);
    }
    if (phase == "APPROACHING" && f.groundSpeed > 250.0 && f.distanceToGo < 19.0) {
        return advise(kFastInApproach);
    }
    if (phase == "EN ROUTE" && f.groundSpeed > f.filedTas + 50.0) {
        return advise(kOverspeed);
    }
    if (phase == "APPROACHING" && f.altitude > 10000.0) {
        return advise(kHighInApproach);
    }
    return normal();
}

ParameterAdvice ParameterMessage::arrival(const std::string& phase, const FlightFigures& f) {
    using namespace arrivals;
    if (phase == "EN ROUTE" || phase == "CLIMBING" || f.altitude > f.filedLevel * 100.0 + 400.0) {
        return advise(kOutsideCoverage);
    }
    if (phase == "TAXING" && f.groundSpeed > 40.0) {
        return advise(kFastOnGround);
    }
    if (tooHighForDistance(f)) {
        return advise(kTooHigh);
    }
    if (phase == "APPROACHING" && f.groundSpeed > 220.0 && f.distanceToGo < 10.0) {
        return advise(kFastInApproach);
    }
    if (phase == "APPROACHING" && f.altitude > 10000.0) {
        return advise(kHighInApproach);
    }
    return normal();
}

ParameterAdvice ParameterMessage::problem() {
    return advise(kProblemAdvice);
}

std::vector<ParameterAdvice> ParameterMessage::every() {
    std::vector<ParameterAdvice> all = {normal()};
    for (const Advice& advice :
         {departures::kOffLevel, departures::kFastOnGround, departures::kTooHigh,
          departures::kFastInApproach, departures::kOverspeed, departures::kHighInApproach,
          arrivals::kOutsideCoverage, arrivals::kFastOnGround, arrivals::kTooHigh,
          arrivals::kFastInApproach, arrivals::kHighInApproach, kProblemAdvice}) {
        all.push_back(advise(advice));
    }
    return all;
}

}  // namespace corvane
