#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <unordered_map>

namespace corvane {

/// Where an aerodrome lies, as the table writes it (decimal degrees with a "." mark).
struct AirportPosition {
    std::string latitude;
    std::string longitude;
};

/// The airport table the program ships, `airports.csv`: one aerodrome per line,
/// `ICAO,latitude,longitude,name`, for example `EDDF,50.036249,8.559294,Frankfurt am Main Airport`.
/// A line whose code is not four upper-case letters or digits, or whose coordinates are not
/// numbers in range, is skipped (the header line among them); the first line of a code wins.
class AirportTable {
public:
    static AirportTable read(std::istream& in);

    /// Null when the table does not hold `icao`.
    const AirportPosition* find(std::string_view icao) const;

    /// Every aerodrome of the table by its code, in no particular order.
    const std::unordered_map<std::string, AirportPosition>& all() const { return airports_; }

    std::size_t size() const { return airports_.size(); }

private:
    std::unordered_map<std::string, AirportPosition> airports_;
};

}  // namespace corvane
