#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace corvane {

/// The transponder code of each aircraft of one read of the snapshot, by callsign, in the order
/// the aircraft first appear. Of several whole lines of one callsign the last one is the
/// aircraft; a line cut before its end shows the aircraft is there but not what it squawks.
/// Memory stays bounded: past kMaxAircraft aircraft (many times a whole network's traffic) the
/// record is given up and holds nothing.
class AircraftSquawks {
public:
    static constexpr std::size_t kMaxAircraft = 20000;

    struct Aircraft {
        std::string callsign;
        /// Empty while only cut lines of the aircraft were read.
        std::optional<std::string> squawk;
    };

    /// A whole line of `callsign` squawks `squawk`.
    void seen(std::string callsign, std::string squawk);
    /// A line of `callsign` that ends before its last field.
    void seenCut(std::string callsign);

    /// True when the read met more than kMaxAircraft aircraft: nothing is known of any.
    bool overflowed() const { return overflowed_; }
    /// The aircraft of `callsign`, or nullptr when the read met no line of it (or overflowed).
    const Aircraft* find(const std::string& callsign) const;
    /// Every aircraft, in the order of their first lines.
    const std::vector<Aircraft>& aircraft() const { return aircraft_; }

private:
    // The record of `callsign`, or nullptr once the record is given up.
    Aircraft* entry(std::string callsign);

    std::vector<Aircraft> aircraft_;
    std::unordered_map<std::string, std::size_t> index_;
    bool overflowed_ = false;
};

}  // namespace corvane
