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
    std::string callsign, pilotName;
    Coordinates position;
    /// The aerodrome the aircraft is near; "" for the feed's "ZZZZ" (none).
    std::string nearAerodrome;
    /// Feet and knots as sent: the panel shows them as they stand.
    std::string altitude, groundSpeed;
    /// "NONE" when the pilot has filed no flight plan.
    std::string aircraftType;
    /// The equipment after the radar client's own prefix, its first 9 characters ("1/A320/M-");
    /// "" for a field no longer than that.
    std::string equipment;
    PlannedAerodrome departure;
    PlannedAerodrome destination;
    std::string alternate, alternate2;
    /// Level and speed in their ICAO form ("F360", "N0450", "M078").
    std::string cruiseLevel, cruiseSpeed;
    std::string flightRules;
    /// HHMM without leading zeros ("930").
    std::string departureTime, totalEet, endurance;
    std::string route, remarks, squawk;
    std::string departureCentre, arrivalCentre;
    std::string personsOnBoard, flightType;

    /// The reading of `line`; each field is read only when `line` was split up to it.
    static PilotReading read(const SnapshotLine& line);

    bool filedPlan() const { return aircraftType != "NONE"; }
    bool vfr() const { return flightRules == "V"; }
};

}  // namespace corvane
