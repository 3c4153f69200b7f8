#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

struct FlyingTime {
    long long hours = 0;
    long long minutes = 0;
};

/// The readings of the filed flight plan's ICAO forms that both aircraft analyses share.
namespace FlightPlanDecoding {
/// Cruising level in hundreds of feet as plain text: the 3 characters from the 2nd on,
/// leading number ("F350" -> "350", "A045" -> "45", "VFR" -> "0").
std::string cruisingLevel(std::string_view field);
/// Cruising speed in knots as plain text: the 3 characters from the 3rd on, leading number,
/// times 6 when the field starts with "M" ("N0450" -> "450", "M078" -> "468").
std::string cruisingSpeed(std::string_view field);
/// HHMM written without leading zeros as HH:MM: 4 characters "2330" -> "23:30", 3 "930" ->
/// "09:30", 2 "45" -> "00:45"; any other length gives nothing (the field stays as it was).
std::optional<std::string> time(std::string_view field);
/// The expected SID: the first N - 1 characters for the largest N of 4..8 whose N-th
/// character is a space; nothing when there is none or the route has exactly 3 characters.
std::optional<std::string> expectedSid(std::string_view route);
/// The expected STAR: the last N - 1 characters for the largest N of 4..8 whose N-th
/// character from the end is a space; nothing when none or the route has 3 characters.
std::optional<std::string> expectedStar(std::string_view route);
/// The planning speed from the filed speed in knots: above 300 kt it is (s + 500) / 3;
/// then the largest whole number not above it (450 -> 316).
double planningSpeed(double filedKnots);
/// The flying time for `distanceNm` at `planningKnots` (> 0): seconds rounded half to even,
/// then whole hours and whole minutes.
FlyingTime flyingTime(double distanceNm, double planningKnots);
/// Hours or minutes as shown: two digits from 0 to 9, plain decimal otherwise.
std::string clockDigits(long long value);
}  // namespace FlightPlanDecoding

}  // namespace corvane
