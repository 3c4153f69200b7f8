#pragma once

// The one place tests build traffic snapshot lines: fields are named, never counted.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "snapshot/SnapshotField.h"

namespace corvane::test {

/// Builds a pilot line of the traffic snapshot field by field: by default an IFR Airbus on the
/// ground at EDDF (50 N 8 E) bound for LIRF (40 N 8 E, 600 NM along the meridian).
class PilotLine {
public:
    explicit PilotLine(std::string callsign) : fields_(snapshot::FlightType + 1) {
        namespace f = snapshot;
        // clang-format off
        const std::pair<std::size_t, const char*> defaults[] = {
            {f::Vid, "345678"}, {f::RealName, "Max Mustermann"}, {f::ClientKind, "PILOT"},
            {f::PositionNear, "ZZZZ"}, {f::Altitude, "364"}, {f::GroundSpeed, "0"},
            {f::AcType, "A320"}, {f::Equipment, "1/A320/M-SDFGRWY/S"}, {f::DepAirport, "EDDF"},
            {f::DepLat, "50.0"}, {f::DepLon, "8.0"}, {f::DestAirport, "LIRF"}, {f::DestLat, "40.0"},
            {f::DestLon, "8.0"}, {f::AltnAirport, "LIRN"}, {f::Altn2Airport, "LIMC"},
            {f::CruiseLevel, "F360"}, {f::CruiseSpeed, "N0450"}, {f::FlightRules, "I"},
            {f::DepTime, "930"}, {f::Eet, "150"}, {f::Endurance, "330"},
            {f::Route, "ANEKI1L ANEKI Y163 NATOR UN850 TOP UL433 BOL"},
            {f::Remarks, "PBN/A1B1 RMK/TCAS"}, {f::Squawk, "2301"}, {f::CtrCurrent, "EDGG"},
            {f::CtrDep, "EDGG"}, {f::CtrArr, "LIRR"}, {f::PersonsOnBoard, "150"},
            {f::FlightType, "S"}};
        // clang-format on
        for (const auto& [index, value] : defaults) {
            set(index, value);
        }
        set(f::Callsign, std::move(callsign));
        at(50.0, 8.0);
    }

    /// Sets field `index`.
    PilotLine& set(std::size_t index, std::string value) {
        if (index >= fields_.size()) {
            fields_.resize(index + 1);
        }
        fields_[index] = std::move(value);
        return *this;
    }
    /// The present position.
    PilotLine& at(double lat, double lon) {
        set(snapshot::Latitude, number(lat));
        return set(snapshot::Longitude, number(lon));
    }
    /// Altitude in feet and ground speed in knots.
    PilotLine& flying(const std::string& altitude, const std::string& groundSpeed) {
        set(snapshot::Altitude, altitude);
        return set(snapshot::GroundSpeed, groundSpeed);
    }
    /// A line of `count` empty fields but the callsign: the start for list and shape cases.
    static PilotLine blank(std::string callsign, std::size_t count) {
        PilotLine line(std::move(callsign));
        const std::string kept = line.fields_[snapshot::Callsign];
        line.fields_.assign(count, "");
        if (count > 0) {
            line.fields_[snapshot::Callsign] = kept;
        }
        return line;
    }
    /// Keeps only the first `count` fields.
    PilotLine& cut(std::size_t count) {
        fields_.resize(count);
        return *this;
    }
    /// The line's text.
    std::string text() const {
        std::string line;
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            line += (i == 0 ? "" : ":") + fields_[i];
        }
        return line;
    }

private:
    static std::string number(double value) {
        std::string text = std::to_string(value);
        while (text.back() == '0') {
            text.pop_back();
        }
        if (text.back() == '.') {
            text.pop_back();
        }
        return text;
    }

    std::vector<std::string> fields_;
};

/// A pilot line of `count` fields, empty but those the traffic lists read: callsign, departure,
/// destination and, for centres, the current, departure and arrival areas.
inline std::string pilotLine(const std::string& callsign, std::size_t count, const std::string& dep,
                             const std::string& dest, const std::string& area = "",
                             const std::string& areaDep = "", const std::string& areaArr = "") {
    PilotLine line = PilotLine::blank(callsign, count);
    const std::pair<std::size_t, const std::string*> listed[] = {{snapshot::DepAirport, &dep},
                                                                 {snapshot::DestAirport, &dest},
                                                                 {snapshot::CtrCurrent, &area},
                                                                 {snapshot::CtrDep, &areaDep},
                                                                 {snapshot::CtrArr, &areaArr}};
    for (const auto& [index, value] : listed) {
        if (index < count) {
            line.set(index, *value);
        }
    }
    return line.text();
}

/// A controller's station line: callsign, VID, name, rating, location and the ATIS text
/// (which carries QNH and transition level), the other fields empty.
inline std::string stationLine(const std::string& callsign, const std::string& vid,
                               const std::string& name, const std::string& rating,
                               const std::string& location, const std::string& atis) {
    PilotLine line = PilotLine::blank(callsign, snapshot::Atis + 2);
    line.set(snapshot::Vid, vid).set(snapshot::RealName, name).set(snapshot::StationRating, rating);
    return line.set(snapshot::LocationName, location).set(snapshot::Atis, atis).text();
}

/// The index of the snapshot field called `name` (as in SnapshotField.h), for tables of cases;
/// past every field when there is none of that name.
inline std::size_t fieldIndex(const std::string& name) {
    // clang-format off
    static const std::pair<const char*, std::size_t> kFields[] = {
        {"Callsign", snapshot::Callsign}, {"Vid", snapshot::Vid}, {"RealName", snapshot::RealName},
        {"StationRating", snapshot::StationRating}, {"ClientKind", snapshot::ClientKind},
        {"LocationName", snapshot::LocationName},
        {"Latitude", snapshot::Latitude}, {"Longitude", snapshot::Longitude},
        {"PositionNear", snapshot::PositionNear}, {"Altitude", snapshot::Altitude},
        {"GroundSpeed", snapshot::GroundSpeed}, {"Atis", snapshot::Atis},
        {"AcType", snapshot::AcType}, {"Equipment", snapshot::Equipment},
        {"DepAirport", snapshot::DepAirport}, {"DepLat", snapshot::DepLat},
        {"DepLon", snapshot::DepLon}, {"DestAirport", snapshot::DestAirport},
        {"DestLat", snapshot::DestLat}, {"DestLon", snapshot::DestLon},
        {"AltnAirport", snapshot::AltnAirport}, {"Altn2Airport", snapshot::Altn2Airport},
        {"CruiseLevel", snapshot::CruiseLevel}, {"CruiseSpeed", snapshot::CruiseSpeed},
        {"FlightRules", snapshot::FlightRules}, {"DepTime", snapshot::DepTime},
        {"Eet", snapshot::Eet}, {"Endurance", snapshot::Endurance}, {"Route", snapshot::Route},
        {"Remarks", snapshot::Remarks}, {"Squawk", snapshot::Squawk},
        {"CtrCurrent", snapshot::CtrCurrent}, {"CtrDep", snapshot::CtrDep},
        {"CtrArr", snapshot::CtrArr}, {"PersonsOnBoard", snapshot::PersonsOnBoard},
        {"FlightType", snapshot::FlightType}};
    // clang-format on
    for (const auto& [fieldName, index] : kFields) {
        if (name == fieldName) {
            return index;
        }
    }
    return 1000;
}

}  // namespace corvane::test
