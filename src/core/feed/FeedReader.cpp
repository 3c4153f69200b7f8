#include "feed/FeedReader.h"

#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <vector>

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
    station.connectedAt = FeedReader::timeMillis(text(atc, "createdAt"));
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
    pilot.connectedAt = FeedReader::timeMillis(text(client, "createdAt"));
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

// The members a snapshot line is made of, at any level inside a client. Everything else is
// skipped as it streams past.
// clang-format off
constexpr std::array<std::string_view, 38> kKeptMembers = {
    // the client
    "callsign", "userId", "rating", "createdAt", "atcSession", "frequency", "atis", "lines",
    // its last position report
    "lastTrack", "latitude", "longitude", "altitude", "altitudeDifference", "groundSpeed",
    "heading", "transponder",
    // the flight plan
    "flightPlan", "aircraftId", "aircraft", "icaoCode", "wakeTurbulence", "aircraftNumber",
    "departureId", "arrivalId", "alternativeId", "alternative2Id", "route", "remarks", "speed",
    "level", "flightRules", "flightType", "aircraftEquipments", "aircraftTransponderTypes",
    "departureTime", "eet", "endurance", "peopleOnBoard"};
// clang-format on

bool isKeptMember(std::string_view key) {
    for (const std::string_view kept : kKeptMembers) {
        if (key == kept) {
            return true;
        }
    }
    return false;
}

// A client object, its flight plan and the plan's aircraft: nothing kept lies deeper.
constexpr std::size_t kMaxClientLevels = 3;

// Follows the parser's events. Outside the client lists nothing is stored but `updatedAt`;
// inside one, each client is built as a small tree of the kept members only, turned into a
// station or pilot when it closes, and dropped. A skipped part of any size costs one counter.
class FeedEvents {
public:
    using Json = nlohmann::json;

    bool null() { return value(Json()); }
    bool boolean(bool v) { return value(Json(v)); }
    bool number_integer(Json::number_integer_t v) { return value(Json(v)); }
    bool number_unsigned(Json::number_unsigned_t v) { return value(Json(v)); }
    bool number_float(Json::number_float_t v, const Json::string_t&) { return value(Json(v)); }
    bool string(Json::string_t& v) {
        bare_ = 0;
        if (skipped_ > 0 || (!open_.empty() && !keepsNextValue())) {
            return true;
        }
        return value(Json(std::move(v)));
    }
    bool binary(Json::binary_t&) { return true; }

    bool start_object(std::size_t) { return bare() && open(true); }
    bool start_array(std::size_t) { return bare() && open(false); }
    bool end_object() { return bare() && close(); }
    bool end_array() { return bare() && close(); }

    bool key(Json::string_t& name) {
        bare_ = 0;
        if (skipped_ == 0) {
            // No member the reader uses has a long name; a long one is only kept as "other".
            key_ = name.size() <= kLongestKey ? name : std::string();
        }
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
        return false;
    }

    bool hasClients() const { return clientsIsObject_; }
    bool endedInABareRun() const { return bare_ > kMaxBareRun; }
    LiveFeed& feed() { return feed_; }

private:
    enum class Place { Root, Clients, Stations, Pilots };
    static constexpr std::size_t kLongestKey = 32;

    bool keepsNextValue() const {
        const Json& parent = *open_.back();
        return parent.is_object() ? isKeptMember(key_) : parent.size() < FeedReader::kMaxAtisLines;
    }

    // The parser keeps the text of every bracket and comma since the last string, number or
    // literal; a document of millions of empty objects would make it hold megabytes, so such
    // a run ends the read (no real feed has more than a few brackets in a row).
    bool bare() { return ++bare_ <= kMaxBareRun; }

    bool value(Json v) {
        bare_ = 0;
        if (skipped_ > 0) {
            return true;
        }
        if (!open_.empty()) {
            Json& parent = *open_.back();
            if (parent.is_object() && isKeptMember(key_)) {
                parent[key_] = std::move(v);
            } else if (parent.is_array() && v.is_string() &&
                       parent.size() < FeedReader::kMaxAtisLines) {
                parent.push_back(std::move(v));
            }
        } else if (places_.size() == 1 && key_ == "updatedAt") {
            feed_.updatedAt = v.is_string() ? v.get<std::string>() : std::string();
        } else if (places_.size() == 1 && key_ == "clients") {
            clientsIsObject_ = false;
        }
        return true;
    }

    // Built only when kept: a document of millions of skipped objects allocates nothing.
    bool open(bool isObject) {
        if (skipped_ > 0) {
            ++skipped_;
        } else if (!open_.empty()) {
            openInClient(isObject);
        } else if (places_.empty()) {
            if (isObject) {
                places_.push_back(Place::Root);
            } else {
                ++skipped_;
            }
        } else {
            openOutside(isObject);
        }
        return true;
    }

    void openOutside(bool isObject) {
        const Place place = places_.back();
        if (place == Place::Root) {
            if (key_ == "updatedAt") {
                feed_.updatedAt.clear();
            }
            if (key_ == "clients") {
                clientsIsObject_ = isObject;
                if (isObject) {
                    places_.push_back(Place::Clients);
                    return;
                }
            }
        } else if (place == Place::Clients && !isObject && (key_ == "atcs" || key_ == "pilots")) {
            places_.push_back(key_ == "atcs" ? Place::Stations : Place::Pilots);
            return;
        } else if ((place == Place::Stations || place == Place::Pilots) && isObject) {
            if (clientsRead_ < FeedReader::kMaxClients) {
                client_ = Json::object();
                open_.push_back(&client_);
                return;
            }
            ++feed_.clientsPastLimit;
        }
        ++skipped_;
    }

    void openInClient(bool isObject) {
        Json& parent = *open_.back();
        if (parent.is_object() && isKeptMember(key_) && open_.size() < kMaxClientLevels &&
            (isObject || key_ == "lines")) {
            Json& slot = parent[key_];
            slot = isObject ? Json::object() : Json::array();
            open_.push_back(&slot);  // a member of a map: later members do not move it
        } else {
            ++skipped_;
        }
    }

    bool close() {
        if (skipped_ > 0) {
            --skipped_;
        } else if (!open_.empty()) {
            open_.pop_back();
            if (open_.empty()) {
                finishClient();
            }
        } else if (!places_.empty()) {
            places_.pop_back();
        }
        return true;
    }

    void finishClient() {
        if (places_.back() == Place::Stations) {
            feed_.stations.push_back(readStation(client_));
        } else {
            feed_.pilots.push_back(readPilot(client_));
        }
        ++clientsRead_;
        client_ = Json();
    }

    LiveFeed feed_;
    std::vector<Place> places_;  ///< the document's levels down to the client lists
    std::size_t skipped_ = 0;    ///< levels open inside a part that is not read
    std::string key_;
    Json client_;
    std::vector<Json*> open_;  ///< the client's levels being built, the client first
    std::size_t clientsRead_ = 0;
    bool clientsIsObject_ = false;
    std::size_t bare_ = 0;  ///< brackets since the last string, number, literal or key
    static constexpr std::size_t kMaxBareRun = 4096;
};

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
    FeedEvents events;
    if (!Json::sax_parse(document.begin(), document.end(), &events)) {
        error = events.endedInABareRun() ? "the feed holds thousands of empty brackets in a row"
                                         : "the feed is not a JSON document";
        return std::nullopt;
    }
    if (!events.hasClients()) {
        error = "the document has no clients";
        return std::nullopt;
    }
    return std::move(events.feed());
}

}  // namespace corvane
