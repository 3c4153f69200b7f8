#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "snapshot/SnapshotLine.h"

namespace corvane {

class AppContext;
class LineSource;
class MainWindowModel;

/// The station's traffic: the callsigns for `LstDeparture` and `LstArrival`, gathered from
/// snapshot lines for one station code. A line departs from or arrives at the station by its
/// DepAirport and DestAirport; for a centre, also by its area (CtrCurrent) and departure or
/// arrival area (CtrDep, CtrArr).
class TrafficLists {
public:
    TrafficLists(std::string_view airportCode, bool centreMode);

    bool isFor(std::string_view airportCode, bool centreMode) const;
    /// Adds the callsign of one snapshot line, as read (undecoded), to the lists it belongs to.
    void addRawLine(std::string_view raw);
    /// Reads at most `maxLines` lines of `lines` into the lists. False on a read failure.
    bool addLines(LineSource& lines, std::size_t maxLines);
    /// Appends what was gathered to `LstDeparture` and `LstArrival`, in snapshot order, and
    /// leaves these lists empty.
    void moveTo(MainWindowModel& window);

    const std::vector<std::string>& departures() const { return departures_; }
    const std::vector<std::string>& arrivals() const { return arrivals_; }

    /// Reads at most `maxLines` lines of the open snapshot `lines` (all of them by default) and
    /// appends their traffic for the connected station to the window's lists. A read failure is
    /// reported and the connection reset; returns false then.
    static bool load(AppContext& context, LineSource& lines, std::size_t maxLines = kAllLines);

    /// No limit on the lines load() reads.
    static constexpr std::size_t kAllLines = static_cast<std::size_t>(-1);

private:
    void addLine(const SnapshotLine& line);

    std::string airportCode_;
    bool centreMode_;
    // An ASCII code equals a field exactly when the raw bytes do, whatever the line's encoding,
    // so lines are decoded only for a code that is not ASCII, and callsigns only when listed.
    bool asciiCode_;
    std::uint64_t wantedFields_;
    SnapshotLine fields_;
    std::string decoded_;
    std::vector<std::string> departures_;
    std::vector<std::string> arrivals_;
};

}  // namespace corvane
