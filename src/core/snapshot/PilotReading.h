#pragma once

#include <string>
#include <string_view>

namespace corvane {

class SnapshotLine;

/// A position in degrees north and east.
struct Coordinates {
    double latitude = 0.0;
    double longitude = 0.0;
};

/// An aerodrome of a filed plan: its code and where the plan puts it.
struct PlannedAerodrome {
    std::string code;
    Coordinates position;
};

/// What a pilot line of the traffic snapshot says, read once into named fields. Texts are kept
/// as sent (no trimming); a coordinate is its field's leading number (NumberText::leading: 0
/// when empty, not a number or too large to hold). A field the line lacks reads "" (or 0).
struct PilotReading {
    std::string callsign;
    std::string pilotName;
    Coordinates position;
    /// The aerodrome the aircraft is near; "" for the feed's "ZZZZ" (none).
    std::string nearAerodrome;
    /// Feet and knots as sent: the panel shows them as they stand.
    std::string altitude;
    std::string groundSpeed;
    /// "NONE" when the pilot has filed no flight plan.
    std::string aircraftType;
    /// The equipment after the radar client's 9-character prefix ("1/A320/M-").
    std::string equipment;
    PlannedAerodrome departure;
    PlannedAerodrome destination;
    std::string alternate;
    std::string alternate2;
    /// Level and speed in their ICAO form ("F360", "N0450", "M078").
    std::string cruiseLevel;
    std::string cruiseSpeed;
    std::string flightRules;
    /// HHMM without leading zeros ("930").
    std::string departureTime;
    std::string totalEet;
    std::string endurance;
    std::string route;
    std::string remarks;
    std::string squawk;
    std::string departureCentre;
    std::string arrivalCentre;
    std::string personsOnBoard;
    std::string flightType;

    /// The reading of `line`, split up to the fields it needs (AircraftLineScan splits them all).
    static PilotReading read(const SnapshotLine& line);

    bool filedPlan() const { return aircraftType != "NONE"; }
    bool vfr() const { return flightRules == "V"; }
};

/// Whose squawk a line shows, as views into the line: the pass that collects the codes in use
/// reads every line of the snapshot and needs no more of them than this.
struct SquawkSighting {
    std::string_view callsign;
    std::string_view squawk;

    static SquawkSighting read(const SnapshotLine& line);
};

}  // namespace corvane
