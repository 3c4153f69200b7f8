#pragma once

#include <string>

namespace corvane::sim {

/// What a pilot client tells the network about itself and its filed flight plan, as text in
/// the form the snapshot carries it.
struct FiledPlan {
    std::string callsign;
    std::string vid;             ///< six-digit network identifier
    std::string pilotName;       ///< pilot in command, no colons or hyphens
    std::string aircraftType;    ///< ICAO type designator, or "NONE" without a flight plan
    std::string wake;            ///< wake turbulence category letter: L, M, H or J
    std::string equipment;       ///< equipment and surveillance codes, e.g. "SDE2E3FGHIJ1RWY/LB1"
    std::string departure;       ///< ICAO code
    std::string destination;     ///< ICAO code
    std::string alternate;       ///< ICAO code, may be empty
    std::string alternate2;      ///< ICAO code, may be empty
    std::string cruiseLevel;     ///< e.g. "F350", "A045" or "VFR"
    std::string cruiseSpeed;     ///< e.g. "N0450" or "M078"
    std::string flightRules;     ///< "I" or "V"
    std::string departureTime;   ///< HHMM without leading zeros
    std::string totalEet;        ///< HHMM without leading zeros
    std::string endurance;       ///< HHMM without leading zeros
    std::string route;           ///< words separated by spaces
    std::string remarks;         ///< other information
    std::string squawk;          ///< four octal digits
    std::string personsOnBoard;  ///< whole number as text
    std::string flightType;      ///< "S" scheduled, "N" non-scheduled, "G" general aviation
    std::string nearFix;         ///< a point near the aircraft, or empty when there is none
};

}  // namespace corvane::sim
