#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "station/SnapshotField.h"

namespace corvane::test {

/// Builds a pilot line of the traffic snapshot field by field: by default an IFR Airbus on the
/// ground at EDDF (50 N 8 E) bound for LIRF (40 N 8 E, 600 NM along the meridian).
class PilotLine {
public:
    explicit PilotLine(std::string callsign) : fields_(snapshot::FlightType + 1) {
        set(snapshot::Callsign, std::move(callsign));
        set(snapshot::Vid, "345678");
        set(snapshot::RealName, "Max Mustermann");
        set(3, "PILOT");
        at(50.0, 8.0);
        set(snapshot::PositionNear, "ZZZZ");
        set(snapshot::Altitude, "364");
        set(snapshot::GroundSpeed, "0");
        set(snapshot::AcType, "A320");
        set(snapshot::Equipment, "1/A320/M-SDFGRWY/S");
        set(snapshot::DepAirport, "EDDF");
        set(snapshot::DepLat, "50.0");
        set(snapshot::DepLon, "8.0");
        set(snapshot::DestAirport, "LIRF");
        set(snapshot::DestLat, "40.0");
        set(snapshot::DestLon, "8.0");
        set(snapshot::AltnAirport, "LIRN");
        set(snapshot::Altn2Airport, "LIMC");
        set(snapshot::CruiseLevel, "F360");
        set(snapshot::CruiseSpeed, "N0450");
        set(snapshot::FlightRules, "I");
        set(snapshot::DepTime, "930");
        set(snapshot::Eet, "150");
        set(snapshot::Endurance, "330");
        set(snapshot::Route, "ANEKI1L ANEKI Y163 NATOR UN850 TOP UL433 BOL");
        set(snapshot::Remarks, "PBN/A1B1 RMK/TCAS");
        set(snapshot::Squawk, "2301");
        set(snapshot::CtrCurrent, "EDGG");
        set(snapshot::CtrDep, "EDGG");
        set(snapshot::CtrArr, "LIRR");
        set(snapshot::PersonsOnBoard, "150");
        set(snapshot::FlightType, "S");
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

}  // namespace corvane::test
