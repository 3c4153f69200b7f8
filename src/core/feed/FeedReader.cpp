#include "feed/FeedReader.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace corvane {

namespace {

using Json = nlohmann::json;

const Json* member(const Json& object, const char* key) {
    if (!object.is_object()) {
        return nullptr;
    }
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

std::string text(const Json& object, const char* key) {
    const Json* value = member(object, key);
    return value != nullptr && value->is_string() ? value->get<std::string>() : std::string();
}

std::optional<double> number(const Json& object, const char* key) {
    const Json* value = member(object, key);
    if (value == nullptr || !value->is_number()) {
        return std::nullopt;
    }
    const double result = value->get<double>();
    return std::isfinite(result) ? std::optional<double>(result) : std::nullopt;
}

// A number within +-`limit`, or nothing: no wild value can blow up the text written later.
std::optional<double> bounded(const Json& object, const char* key, double limit) {
    const std::optional<double> value = number(object, key);
    return value && std::abs(*value) <= limit ? value : std::nullopt;
}

// Whole numbers past this are no value the feed can mean and would overflow on the way.
constexpr double kWholeLimit = 1e12;

std::optional<long long> whole(const Json& object, const char* key) {
    const Json* value = member(object, key);
    if (value != nullptr && value->is_number_integer()) {
        if (value->is_number_unsigned()) {
            const auto unsignedValue = value->get<unsigned long long>();
            return unsignedValue < static_cast<unsigned long long>(kWholeLimit)
                       ? std::optional<long long>(static_cast<long long>(unsignedValue))
                       : std::nullopt;
        }
        const auto signedValue = value->get<long long>();
        return std::abs(static_cast<double>(signedValue)) < kWholeLimit
                   ? std::optional<long long>(signedValue)
                   : std::nullopt;
    }
    const std::optional<double> real = number(object, key);
    if (!real || std::abs(*real) >= kWholeLimit) {
        return std::nullopt;
    }
    return std::llround(*real);
}

const Json& objectOr(const Json& object, const char* key) {
    static const Json empty = Json::object();
    const Json* value = member(object, key);
    return value != nullptr && value->is_object() ? *value : empty;
}

const Json& arrayOr(const Json& object, const char* key) {
    static const Json empty = Json::array();
    const Json* value = member(object, key);
    return value != nullptr && value->is_array() ? *value : empty;
}

FeedStation readStation(const Json& atc) {
    FeedStation station;
    station.callsign = text(atc, "callsign");
    station.vid = whole(atc, "userId");
    station.rating = whole(atc, "rating");
    station.frequency = bounded(objectOr(atc, "atcSession"), "frequency", 1000.0);
    const Json& track = objectOr(atc, "lastTrack");
    station.latitude = bounded(track, "latitude", 90.0);
    station.longitude = bounded(track, "longitude", 180.0);
    for (const Json& line : arrayOr(objectOr(atc, "atis"), "lines")) {
        if (line.is_string()) {
            station.atisLines.push_back(line.get<std::string>());
        }
    }
    return station;
}

FeedFlightPlan readFlightPlan(const Json& plan) {
    FeedFlightPlan result;
    const Json& aircraft = objectOr(plan, "aircraft");
    result.aircraftType = text(plan, "aircraftId");
    if (result.aircraftType.empty()) {
        result.aircraftType = text(aircraft, "icaoCode");
    }
    result.wake = text(aircraft, "wakeTurbulence");
    result.aircraftCount = whole(plan, "aircraftNumber");
    result.departure = text(plan, "departureId");
    result.destination = text(plan, "arrivalId");
    result.alternate = text(plan, "alternativeId");
    result.alternate2 = text(plan, "alternative2Id");
    result.route = text(plan, "route");
    result.remarks = text(plan, "remarks");
    result.cruiseSpeed = text(plan, "speed");
    result.cruiseLevel = text(plan, "level");
    result.flightRules = text(plan, "flightRules");
    result.flightType = text(plan, "flightType");
    result.equipment = text(plan, "aircraftEquipments");
    result.transponderTypes = text(plan, "aircraftTransponderTypes");
    result.departureTime = whole(plan, "departureTime");
    result.eet = whole(plan, "eet");
    result.endurance = whole(plan, "endurance");
    result.personsOnBoard = whole(plan, "peopleOnBoard");
    return result;
}

FeedPilot readPilot(const Json& client) {
    FeedPilot pilot;
    pilot.callsign = text(client, "callsign");
    pilot.vid = whole(client, "userId");
    const Json& track = objectOr(client, "lastTrack");
    pilot.latitude = bounded(track, "latitude", 90.0);
    pilot.longitude = bounded(track, "longitude", 180.0);
    pilot.altitude = whole(track, "altitude");
    pilot.altitudeDifference = whole(track, "altitudeDifference");
    pilot.groundSpeed = whole(track, "groundSpeed");
    pilot.heading = whole(track, "heading");
    pilot.transponder = whole(track, "transponder");
    const Json* plan = member(client, "flightPlan");
    if (plan != nullptr && plan->is_object()) {
        pilot.flightPlan = readFlightPlan(*plan);
    }
    return pilot;
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
long long daysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::optional<long long> digitsAt(std::string_view text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) {
        return std::nullopt;
    }
    long long value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

std::optional<long long> FeedReader::timeMillis(std::string_view isoTime) {
    // 2023-01-04T16:04:22.381Z or 2026-04-06T11:15:12Z
    const auto year = digitsAt(isoTime, 0, 4);
    const auto month = digitsAt(isoTime, 5, 2);
    const auto day = digitsAt(isoTime, 8, 2);
    const auto hour = digitsAt(isoTime, 11, 2);
    const auto minute = digitsAt(isoTime, 14, 2);
    const auto second = digitsAt(isoTime, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second || isoTime[4] != '-' ||
        isoTime[7] != '-' || isoTime[10] != 'T' || isoTime[13] != ':' || isoTime[16] != ':' ||
        *month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 23 || *minute > 59 ||
        *second > 60) {
        return std::nullopt;
    }
    long long millis = 0;
    std::size_t at = 19;
    if (at < isoTime.size() && isoTime[at] == '.') {
        long long scale = 100;
        for (++at; at < isoTime.size() && isoTime[at] >= '0' && isoTime[at] <= '9'; ++at) {
            millis += (isoTime[at] - '0') * scale;
            scale /= 10;
        }
    }
    if (at + 1 != isoTime.size() || isoTime[at] != 'Z') {
        return std::nullopt;
    }
    const long long days = daysFromCivil(*year, *month, *day);
    return ((days * 24 + *hour) * 60 + *minute) * 60000 + *second * 1000 + millis;
}

std::optional<LiveFeed> FeedReader::parse(std::string_view document, std::string& error) {
    const Json root = Json::parse(document.begin(), document.end(), nullptr, false);
    if (root.is_discarded()) {
        error = "the feed is not a JSON document";
        return std::nullopt;
    }
    const Json* clients = member(root, "clients");
    if (clients == nullptr || !clients->is_object()) {
        error = "the document has no clients";
        return std::nullopt;
    }
    LiveFeed feed;
    feed.updatedAt = text(root, "updatedAt");
    for (const Json& atc : arrayOr(*clients, "atcs")) {
        if (atc.is_object()) {
            feed.stations.push_back(readStation(atc));
        }
    }
    for (const Json& client : arrayOr(*clients, "pilots")) {
        if (client.is_object()) {
            feed.pilots.push_back(readPilot(client));
        }
    }
    return feed;
}

}  // namespace corvane
