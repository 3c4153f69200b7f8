#include "window/FlightPlanRecord.h"

#include "window/MainWindowModel.h"

namespace corvane {

std::string FlightPlanRecord::DepAerodrome(const MainWindowModel& window) const {
    return depAerodromeLinked ? window.Label1_11.text : std::string();
}

std::string FlightPlanRecord::Level(const MainWindowModel& window) const {
    return levelLinked ? window.LblFiledAlt.text : std::string();
}

std::string FlightPlanRecord::CruiseSpeed(const MainWindowModel& window) const {
    return cruiseSpeedLinked ? window.LblFiledTas.text : std::string();
}

}  // namespace corvane
