#pragma once

#include <string>

namespace corvane {

/// The filed flight plan of an analysed aircraft. Every field is text and is overwritten only
/// when the aircraft's line provides it. The departure aerodrome, the level and the cruising
/// speed are the figures its panel shows (AnalysedAircraft), once a line has given them.
struct FlightPlanRecord {
    std::string PilotInCommand;
    std::string WakeCategory;
    std::string AircraftType;
    std::string Equipment;
    std::string Destination;
    std::string Alternate;
    std::string Alternate2;
    std::string FlightRules;
    std::string DepTime;
    std::string TotalEet;
    std::string Endurance;
    std::string Route;
    std::string OtherInfo;
    std::string PersonsOnBoard;
    std::string FlightType;
    bool depAerodromeLinked = false;
    bool levelLinked = false;
    bool cruiseSpeedLinked = false;
};

}  // namespace corvane
