#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace corvane {

/// A controller station of the live network feed. Every member the feed may leave out or set
/// to null is optional (or empty, for texts).
struct FeedStation {
    std::string callsign;
    std::optional<long long> vid;          ///< the feed's userId
    std::optional<long long> connectedAt;  ///< createdAt, milliseconds since 1970
    std::optional<long long> rating;
    std::optional<double> frequency;  ///< MHz
    std::optional<double> latitude;
    std::optional<double> longitude;
    std::vector<std::string> atisLines;
};

/// The filed flight plan of a pilot, in the feed's own units (times in seconds).
struct FeedFlightPlan {
    std::string aircraftType;  ///< ICAO type designator
    std::string wake;          ///< L, M, H or J
    std::optional<long long> aircraftCount;
    std::string departure;
    std::string destination;
    std::string alternate;
    std::string alternate2;
    std::string route;
    std::string remarks;
    std::string cruiseSpeed;
    std::string cruiseLevel;
    std::string flightRules;
    std::string flightType;
    std::string equipment;                   ///< ICAO item 10a
    std::string transponderTypes;            ///< ICAO item 10b
    std::optional<long long> departureTime;  ///< seconds after 00:00 UTC
    std::optional<long long> eet;            ///< seconds
    std::optional<long long> endurance;      ///< seconds
    std::optional<long long> personsOnBoard;
};

/// A pilot client and its last position report, when it has one.
struct FeedPilot {
    std::string callsign;
    std::optional<long long> vid;
    std::optional<long long> connectedAt;  ///< createdAt, milliseconds since 1970
    std::optional<double> latitude;
    std::optional<double> longitude;
    std::optional<long long> altitude;            ///< feet above mean sea level
    std::optional<long long> altitudeDifference;  ///< feet, true to pressure altitude
    std::optional<long long> groundSpeed;         ///< knots
    std::optional<long long> heading;             ///< degrees
    std::optional<long long> transponder;  ///< squawk digits as a decimal number (102 = 0102)
    std::optional<FeedFlightPlan> flightPlan;
};

/// The parts of one live feed document the snapshot is made of.
struct LiveFeed {
    std::string updatedAt;  ///< ISO-8601 UTC, as the feed writes it
    std::vector<FeedStation> stations;
    std::vector<FeedPilot> pilots;
    std::size_t clientsPastLimit = 0;  ///< clients not read: the document held too many
};

}  // namespace corvane
