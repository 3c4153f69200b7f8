#include "window/AircraftSquawks.h"

namespace corvane {

AircraftSquawks::Aircraft& AircraftSquawks::entry(std::string callsign) {
    const auto [at, added] = index_.try_emplace(callsign, aircraft_.size());
    if (added) {
        aircraft_.push_back({std::move(callsign), std::nullopt});
    }
    return aircraft_[at->second];
}

void AircraftSquawks::seen(std::string callsign, std::string squawk) {
    entry(std::move(callsign)).squawk = std::move(squawk);
}

void AircraftSquawks::seenCut(std::string callsign) {
    entry(std::move(callsign));
}

const AircraftSquawks::Aircraft* AircraftSquawks::find(const std::string& callsign) const {
    const auto at = index_.find(callsign);
    return at == index_.end() ? nullptr : &aircraft_[at->second];
}

}  // namespace corvane
