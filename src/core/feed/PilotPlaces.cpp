#include "feed/PilotPlaces.h"

#include <utility>

#include "common/NumberText.h"

namespace corvane {

PilotPlaces::PilotPlaces(const AirportTable& airports, FirTable firs)
    : areas_(std::move(firs)), nearest_(airports) {
    // Once per aerodrome here rather than twice per pilot and feed.
    for (const auto& [code, position] : airports.all()) {
        const auto latitude = NumberText::strict(position.latitude);
        const auto longitude = NumberText::strict(position.longitude);
        const std::string_view area =
            latitude && longitude ? areas_.areaAt(*latitude, *longitude) : std::string_view();
        if (area.size() == 4) {
            aerodromeAreas_.emplace(code, std::array<char, 4>{area[0], area[1], area[2], area[3]});
        }
    }
}

std::string_view PilotPlaces::aerodromeArea(std::string_view icao) const {
    const auto it = aerodromeAreas_.find(std::string(icao));
    return it == aerodromeAreas_.end() ? std::string_view()
                                       : std::string_view(it->second.data(), it->second.size());
}

}  // namespace corvane
