#include "window/AircraftSquawks.h"

namespace corvane {

AircraftSquawks::Aircraft* AircraftSquawks::entry(std::string callsign) {
    if (overflowed_) {
        return nullptr;
    }
    const auto found = index_.find(callsign);
    if (found != index_.end()) {
        return &aircraft_[found->second];
    }
    if (aircraft_.size() == kMaxAircraft) {
        overflowed_ = true;
        aircraft_ = {};
        index_ = {};
        return nullptr;
    }
    index_.emplace(callsign, aircraft_.size());
    aircraft_.push_back({std::move(callsign), std::nullopt});
    return &aircraft_.back();
}

void AircraftSquawks::seen(std::string callsign, std::string squawk) {
    if (Aircraft* aircraft = entry(std::move(callsign))) {
        aircraft->squawk = std::move(squawk);
    }
}

void AircraftSquawks::seenCut(std::string callsign) {
    entry(std::move(callsign));
}

const AircraftSquawks::Aircraft* AircraftSquawks::find(const std::string& callsign) const {
    const auto at = index_.find(callsign);
    return at == index_.end() ? nullptr : &aircraft_[at->second];
}

}  // namespace corvane
