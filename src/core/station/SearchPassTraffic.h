#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "platform/FileVersion.h"
#include "station/TrafficLists.h"

namespace corvane {

class AppContext;

/// The traffic lists gathered while the station search reads the snapshot, for the station found
/// so far, so that a connect does not read the whole snapshot a second time. Gathering starts at
/// the line of the first match and starts again at any later match that names another station;
/// only the lines before it are read again at the end, and only from the same version of the
/// file (a snapshot rewritten in between is read again whole, so no list mixes two of them).
class SearchPassTraffic {
public:
    /// Notes the version of the snapshot the search reads (unknown: nullopt).
    void readingVersion(std::optional<FileVersion> version) { version_ = version; }
    /// Notes the station found so far (its code and whether it is a centre) at the 0-based line
    /// `lineIndex`, the line of a match.
    void follow(std::string_view airportCode, bool centreMode, std::size_t lineIndex);
    /// Gathers one snapshot line as read; lines before the first match are left for the end.
    void add(std::string_view raw) {
        if (lists_) {
            lists_->addRawLine(raw);
        }
    }
    /// Fills `LstDeparture` and `LstArrival` for the connected station (the context's
    /// `AirportCode` and `CentreMode`): from what was gathered, when it was gathered for that
    /// station, plus the lines before the gathering began read from the same version of the
    /// snapshot; otherwise from a whole read of it. A snapshot that cannot be read is reported and
    /// the connection reset; returns false then.
    bool complete(AppContext& context);

private:
    std::optional<TrafficLists> lists_;
    std::size_t firstLine_ = 0;
    std::optional<FileVersion> version_;
};

}  // namespace corvane
