#include "feed/FeedSnapshot.h"

#include <array>
#include <string_view>

#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotWriter.h"

namespace corvane {

namespace {

// The widths of the lines the simulator writes, so both kinds of snapshot look alike.
constexpr std::size_t kStationFields = 16;
constexpr std::size_t kPilotFields = 47;
constexpr std::size_t kFrequencyField = 4;
constexpr std::size_t kStationKindField = 5;
constexpr std::size_t kHeadingField = 9;
constexpr std::size_t kMaxCallsignLength = 16;
constexpr long long kSecondsPerDay = 24 * 3600;
constexpr long long kMaxTimeSeconds = 100 * 3600;

// A callsign goes in as it is or not at all: it is the key every later reader compares.
bool isWritableCallsign(std::string_view callsign) {
    if (callsign.empty() || callsign.size() > kMaxCallsignLength) {
        return false;
    }
    for (const char c : callsign) {
        if (c <= ' ' || c > '~' || c == ':') {
            return false;
        }
    }
    return true;
}

// Free text with nothing that could end a field or a line.
std::string safeText(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c == ':' || (static_cast<unsigned char>(c) < ' ') || c == '\x7f') {
            c = ' ';
        }
    }
    return result;
}

// Free text without the blanks the feed often leaves around it, which would hide the first
// and last words (the SID and STAR) of a route from the analyses.
std::string trimmedText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return safeText(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string number(const std::optional<long long>& value) {
    return value ? std::to_string(*value) : std::string();
}

std::string degrees(const std::optional<double>& value) {
    return value ? SnapshotWriter::fixed(*value, 6) : std::string();
}

// Seconds as HHMM without leading zeros: 61200 gives 1700, 2700 gives 45.
std::string hhmm(const std::optional<long long>& seconds) {
    if (!seconds || *seconds < 0 || *seconds >= kMaxTimeSeconds) {
        return {};
    }
    return std::to_string(*seconds / 3600 * 100 + *seconds % 3600 / 60);
}

std::string squawk(const std::optional<long long>& transponder) {
    if (!transponder || *transponder < 0 || *transponder > 9999) {
        return {};
    }
    std::string digits = std::to_string(*transponder);
    return std::string(4 - digits.size(), '0') + digits;
}

// The marker the analyses search the line for: M-, H-, S- (a super, the feed's J), L-.
std::string wakeMarker(std::string_view wake) {
    if (wake == "M" || wake == "H" || wake == "L") {
        return std::string(wake) + "-";
    }
    return wake == "J" ? "S-" : "";
}

// Count, type and wake marker, then items 10a/10b: 1/B738/M-SDE2E3FGHIRWXY/LB1.
std::string equipment(const FeedFlightPlan& plan) {
    std::string text = std::to_string(plan.aircraftCount.value_or(1)) + "/" + plan.aircraftType +
                       "/" + wakeMarker(plan.wake) + plan.equipment;
    if (!plan.transponderTypes.empty()) {
        text += "/" + plan.transponderTypes;
    }
    return safeText(text);
}

std::string joinedAtis(const std::vector<std::string>& lines) {
    std::string atis;
    for (const std::string& line : lines) {
        if (line.find_first_not_of(' ') == std::string::npos) {
            continue;
        }
        if (!atis.empty()) {
            atis += ' ';
        }
        atis += line;
    }
    return safeText(atis);
}

void appendStation(std::string& out, const FeedStation& station) {
    std::array<std::string, kStationFields> f;
    f[snapshot::Callsign] = station.callsign;
    f[snapshot::Vid] = number(station.vid);
    f[snapshot::StationRating] = number(station.rating);
    f[kFrequencyField] = station.frequency ? SnapshotWriter::fixed(*station.frequency, 3) : "";
    f[kStationKindField] = "ATC";
    f[snapshot::LocationName] = station.atisLines.size() > 1 ? safeText(station.atisLines[1]) : "";
    f[snapshot::Latitude] = degrees(station.latitude);
    f[snapshot::Longitude] = degrees(station.longitude);
    f[snapshot::Atis] = joinedAtis(station.atisLines);
    SnapshotWriter::appendLine(out, f);
}

void setAerodrome(std::array<std::string, kPilotFields>& f, const std::string& icao,
                  std::size_t codeField, std::size_t latField, std::size_t lonField,
                  const AirportTable& airports) {
    f[codeField] = safeText(icao);
    if (const AirportPosition* position = airports.find(icao)) {
        f[latField] = position->latitude;
        f[lonField] = position->longitude;
    }
}

void appendPilot(std::string& out, const FeedPilot& pilot, const AirportTable& airports,
                 const PilotPlaces* places) {
    std::array<std::string, kPilotFields> f;
    f[snapshot::Callsign] = pilot.callsign;
    f[snapshot::Vid] = number(pilot.vid);
    f[snapshot::ClientKind] = "PILOT";
    f[snapshot::Latitude] = degrees(pilot.latitude);
    f[snapshot::Longitude] = degrees(pilot.longitude);
    f[kHeadingField] = number(pilot.heading);
    // Filed levels are pressure altitudes; the feed's altitude is the true one.
    if (pilot.altitude) {
        f[snapshot::Altitude] =
            std::to_string(*pilot.altitude + pilot.altitudeDifference.value_or(0));
    }
    f[snapshot::GroundSpeed] = number(pilot.groundSpeed);
    f[snapshot::Squawk] = squawk(pilot.transponder);
    if (places) {
        f[snapshot::PositionNear] = places->near(*pilot.latitude, *pilot.longitude);
        f[snapshot::CtrCurrent] = places->area(*pilot.latitude, *pilot.longitude);
    }
    if (!pilot.flightPlan) {
        f[snapshot::AcType] = "NONE";
        SnapshotWriter::appendLine(out, f);
        return;
    }
    const FeedFlightPlan& plan = *pilot.flightPlan;
    f[snapshot::AcType] = safeText(plan.aircraftType);
    f[snapshot::Equipment] = equipment(plan);
    setAerodrome(f, plan.departure, snapshot::DepAirport, snapshot::DepLat, snapshot::DepLon,
                 airports);
    setAerodrome(f, plan.destination, snapshot::DestAirport, snapshot::DestLat, snapshot::DestLon,
                 airports);
    if (places) {
        f[snapshot::CtrDep] = places->aerodromeArea(plan.departure);
        f[snapshot::CtrArr] = places->aerodromeArea(plan.destination);
    }
    f[snapshot::AltnAirport] = safeText(plan.alternate);
    f[snapshot::Altn2Airport] = safeText(plan.alternate2);
    f[snapshot::CruiseLevel] = safeText(plan.cruiseLevel);
    f[snapshot::CruiseSpeed] = safeText(plan.cruiseSpeed);
    f[snapshot::FlightRules] = safeText(plan.flightRules);
    f[snapshot::DepTime] =
        hhmm(plan.departureTime ? std::optional<long long>(*plan.departureTime % kSecondsPerDay)
                                : std::nullopt);
    f[snapshot::Eet] = hhmm(plan.eet);
    f[snapshot::Endurance] = hhmm(plan.endurance);
    f[snapshot::Route] = trimmedText(plan.route);
    f[snapshot::Remarks] = trimmedText(plan.remarks);
    f[snapshot::PersonsOnBoard] = number(plan.personsOnBoard);
    f[snapshot::FlightType] = safeText(plan.flightType);
    SnapshotWriter::appendLine(out, f);
}

}  // namespace

FeedSnapshot snapshotFromFeed(const LiveFeed& feed, const AirportTable& airports,
                              const PilotPlaces* places) {
    FeedSnapshot snapshot;
    for (const FeedStation& station : feed.stations) {
        if (!isWritableCallsign(station.callsign)) {
            ++snapshot.unsafeCallsigns;
            continue;
        }
        appendStation(snapshot.text, station);
        ++snapshot.stations;
    }
    for (const FeedPilot& pilot : feed.pilots) {
        if (!isWritableCallsign(pilot.callsign)) {
            ++snapshot.unsafeCallsigns;
        } else if (!pilot.latitude || !pilot.longitude) {
            ++snapshot.withoutPosition;
        } else {
            appendPilot(snapshot.text, pilot, airports, places);
            ++snapshot.pilots;
        }
    }
    return snapshot;
}

}  // namespace corvane
