#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>

namespace corvane {

/// The transponder code of each aircraft of one read of the snapshot, by callsign. Of several
/// whole lines of one callsign the last one is the aircraft; a line cut before its end shows the
/// aircraft is there but not what it squawks. Memory stays bounded: past kMaxAircraft aircraft
/// (several times a whole network's traffic) the record is given up and holds nothing.
class AircraftSquawks {
public:
    static constexpr std::size_t kMaxAircraft = 20000;
    /// Callsign -> code, empty while only cut lines of the aircraft were read.
    using Codes = std::unordered_map<std::string, std::optional<std::string>>;

    /// A whole line of `callsign` squawks `squawk`.
    void seen(std::string callsign, std::string squawk);
    /// A line of `callsign` that ends before its last field.
    void seenCut(std::string callsign);

    /// True when the read met more than kMaxAircraft aircraft: nothing is known of any.
    bool overflowed() const { return overflowed_; }
    /// The code of `callsign`'s aircraft (empty while unknown), or nullptr when the read met no
    /// line of it (or overflowed).
    const std::optional<std::string>* find(const std::string& callsign) const;
    const Codes& aircraft() const { return codes_; }

private:
    // The code of `callsign`, or nullptr once the record is given up.
    std::optional<std::string>* entry(std::string callsign);

    Codes codes_;
    bool overflowed_ = false;
};

}  // namespace corvane
