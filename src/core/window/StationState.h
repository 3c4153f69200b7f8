#pragma once

#include <string>

namespace corvane {

/// The controller's station as the connect and the refreshes found it. The figures are kept as
/// the top strip shows them: the transition level is worked out from the QNH and the transition
/// altitude as shown, and the squawk range is adjusted on the characters of its first code.
struct StationState {
    /// The station's callsign; empty while not connected.
    std::string callsign;
    std::string airportName;
    std::string rating;
    std::string atis;
    std::string transitionAltitude;
    std::string qnh;
    std::string qnhInches;
    std::string transitionLevel;
    /// The squawk range of the station's airport and the next code a clearance hands out.
    std::string firstCode;
    std::string lastCode;
    std::string nextCode;
    /// The next code as it was when the arrival panel was last opened: the panel shows that
    /// copy, which later clearances do not change.
    std::string arrivalNextCode;
    /// The procedure file's AIRAC line, and what the position's kind says of its duties.
    std::string airac;
    std::string positionTitle;
    std::string positionNotes;
};

}  // namespace corvane
