#include "feed/FeedSnapshot.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotWriter.h"
#include "snapshot/WakeMarker.h"

namespace corvane {

namespace {

constexpr long long kSecondsPerDay = 24 * 3600;
constexpr long long kMaxTimeSeconds = 100 * 3600;

// A callsign goes in as it is or not at all: it is the key every later reader compares, and
// a station is found by its start, so "EDDM_GNDX654321" could pass for EDDM_GND.
bool isWritableCallsign(std::string_view callsign) {
    if (callsign.empty() || callsign.size() > kMaxFeedCallsignLength) {
        return false;
    }
    for (const char c : callsign) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!letter && !(c >= '0' && c <= '9') && c != '_' && c != '-') {
            return false;
        }
    }
    return true;
}

// How many bytes at `text[at]` make a control character, 0 for anything else. The feed's texts
// are UTF-8 (the parser has checked them), so besides ASCII's controls there are the C1
// controls U+0080..U+009F and the line and paragraph separators U+2028 and U+2029.
std::size_t controlLength(std::string_view text, std::size_t at) {
    const auto byte = [&text](std::size_t i) {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0U;
    };
    const unsigned int c = byte(at);
    if (c < 0x20 || c == 0x7f) {
        return 1;
    }
    if (c == 0xc2 && byte(at + 1) >= 0x80 && byte(at + 1) <= 0x9f) {
        return 2;
    }
    if (c == 0xe2 && byte(at + 1) == 0x80 && (byte(at + 2) == 0xa8 || byte(at + 2) == 0xa9)) {
        return 3;
    }
    return 0;
}

// Free text with nothing that could end a field or a line, no longer than a column may be (cut
// before a character, never inside one).
std::string safeText(std::string_view text) {
    std::string result;
    result.reserve(std::min(text.size(), kMaxFeedTextBytes + 1));
    for (std::size_t at = 0; at < text.size() && result.size() <= kMaxFeedTextBytes;) {
        if (const std::size_t control = controlLength(text, at)) {
            result += ' ';
            at += control;
        } else {
            result += text[at] == ':' ? ' ' : text[at];
            ++at;
        }
    }
    if (result.size() > kMaxFeedTextBytes) {
        std::size_t end = kMaxFeedTextBytes;
        while (end > 0 && (static_cast<unsigned char>(result[end]) & 0xc0) == 0x80) {
            --end;
        }
        result.resize(end);
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

// Count, type and wake marker, then items 10a/10b: 1/B738/M-SDE2E3FGHIRWXY/LB1.
std::string equipment(const FeedFlightPlan& plan) {
    std::string text = std::to_string(plan.aircraftCount.value_or(1)) + "/" + plan.aircraftType +
                       "/" + WakeMarker::of(plan.wake) + plan.equipment;
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
    // As wide as the simulator's lines, so both kinds of snapshot look alike.
    std::array<std::string, snapshot::kStationFieldCount> f;
    f[snapshot::Callsign] = station.callsign;
    f[snapshot::Vid] = number(station.vid);
    f[snapshot::StationRating] = number(station.rating);
    f[snapshot::Frequency] = station.frequency ? SnapshotWriter::fixed(*station.frequency, 3) : "";
    f[snapshot::StationKind] = "ATC";
    f[snapshot::LocationName] = station.atisLines.size() > 1 ? safeText(station.atisLines[1]) : "";
    f[snapshot::Latitude] = degrees(station.latitude);
    f[snapshot::Longitude] = degrees(station.longitude);
    f[snapshot::Atis] = joinedAtis(station.atisLines);
    SnapshotWriter::appendLine(out, f);
}

void setAerodrome(std::array<std::string, snapshot::kPilotFieldCount>& f, const std::string& icao,
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
    std::array<std::string, snapshot::kPilotFieldCount> f;
    f[snapshot::Callsign] = pilot.callsign;
    f[snapshot::Vid] = number(pilot.vid);
    f[snapshot::ClientKind] = "PILOT";
    f[snapshot::Latitude] = degrees(pilot.latitude);
    f[snapshot::Longitude] = degrees(pilot.longitude);
    f[snapshot::Heading] = number(pilot.heading);
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

// Which client each callsign's line comes from: the one connected last, on a tie the first.
class CallsignOwners {
public:
    void offer(std::string_view callsign, const std::optional<long long>& connectedAt,
               std::size_t client) {
        const auto [it, added] = owners_.try_emplace(callsign, Owner{connectedAt, client});
        if (!added && connectedAt.value_or(kNever) > it->second.connectedAt.value_or(kNever)) {
            it->second = Owner{connectedAt, client};
        }
    }
    bool owns(std::string_view callsign, std::size_t client) const {
        return owners_.at(callsign).client == client;
    }
    std::size_t size() const { return owners_.size(); }

private:
    static constexpr long long kNever = std::numeric_limits<long long>::min();
    struct Owner {
        std::optional<long long> connectedAt;
        std::size_t client;
    };
    std::unordered_map<std::string_view, Owner> owners_;
};

bool hasPosition(const FeedPilot& pilot) {
    return pilot.latitude && pilot.longitude;
}

}  // namespace

FeedSnapshot snapshotFromFeed(const LiveFeed& feed, const AirportTable& airports,
                              const PilotPlaces* places) {
    FeedSnapshot snapshot;
    snapshot.leftOut = feed.clientsPastLimit;
    // Stations are clients 0 to n-1, pilots follow.
    const std::size_t firstPilot = feed.stations.size();
    CallsignOwners owners;
    std::size_t candidates = 0;
    for (std::size_t i = 0; i < feed.stations.size(); ++i) {
        const FeedStation& station = feed.stations[i];
        if (isWritableCallsign(station.callsign)) {
            owners.offer(station.callsign, station.connectedAt, i);
            ++candidates;
        }
    }
    for (std::size_t i = 0; i < feed.pilots.size(); ++i) {
        const FeedPilot& pilot = feed.pilots[i];
        if (isWritableCallsign(pilot.callsign) && hasPosition(pilot)) {
            owners.offer(pilot.callsign, pilot.connectedAt, firstPilot + i);
            ++candidates;
        }
    }
    snapshot.leftOut += candidates - owners.size();
    for (std::size_t i = 0; i < feed.stations.size(); ++i) {
        const FeedStation& station = feed.stations[i];
        if (!isWritableCallsign(station.callsign)) {
            ++snapshot.leftOut;
        } else if (owners.owns(station.callsign, i)) {
            appendStation(snapshot.text, station);
            ++snapshot.stations;
        }
    }
    for (std::size_t i = 0; i < feed.pilots.size(); ++i) {
        const FeedPilot& pilot = feed.pilots[i];
        if (!isWritableCallsign(pilot.callsign)) {
            ++snapshot.leftOut;
        } else if (!hasPosition(pilot)) {
            ++snapshot.withoutPosition;
        } else if (owners.owns(pilot.callsign, firstPilot + i)) {
            appendPilot(snapshot.text, pilot, airports, places);
            ++snapshot.pilots;
        }
    }
    return snapshot;
}

}  // namespace corvane
