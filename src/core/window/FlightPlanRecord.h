#pragma once

#include <string>

namespace corvane {

class MainWindowModel;

/// The filed flight plan of the aircraft analysed last. Every field is text and is overwritten
/// only when the aircraft's line provides it. The departure aerodrome, the level and the
/// cruising speed are links to the window's labels (Label1(11), LblFiledAlt, LblFiledTas): they
/// show whatever those labels hold at the time they are read.
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

    /// `DepAerodrome`: the text of Label1(11) once linked, else "".
    std::string DepAerodrome(const MainWindowModel& window) const;
    /// `Level`: the text of LblFiledAlt once linked, else "".
    std::string Level(const MainWindowModel& window) const;
    /// `CruiseSpeed`: the text of LblFiledTas once linked, else "".
    std::string CruiseSpeed(const MainWindowModel& window) const;
};

}  // namespace corvane
