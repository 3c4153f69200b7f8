#pragma once

#include <string>
#include <string_view>

namespace corvane::sim {

/// Real-looking filed routes. Flights out of the demo airport begin with one of its SIDs and
/// flights into it end with one of its STARs, as listed in its procedure file.
class RouteBook {
public:
    static std::string route(std::string_view departure, std::string_view destination);

    /// The SID the demo airport gives towards an aerodrome.
    static std::string_view sidTowards(std::string_view destination);

    /// The STAR into the demo airport from an aerodrome.
    static std::string_view starFrom(std::string_view departure);
};

}  // namespace corvane::sim
