#include "window/AircraftSquawks.h"

namespace corvane {

std::optional<std::string>* AircraftSquawks::entry(std::string callsign) {
    if (overflowed_) {
        return nullptr;
    }
    if (codes_.size() < kMaxAircraft) {
        return &codes_.try_emplace(std::move(callsign)).first->second;
    }
    if (const auto found = codes_.find(callsign); found != codes_.end()) {
        return &found->second;
    }
    overflowed_ = true;
    codes_ = {};
    return nullptr;
}

void AircraftSquawks::seen(std::string callsign, std::string squawk) {
    if (auto* code = entry(std::move(callsign))) {
        *code = std::move(squawk);
    }
}

void AircraftSquawks::seenCut(std::string callsign) {
    entry(std::move(callsign));
}

const std::optional<std::string>* AircraftSquawks::find(const std::string& callsign) const {
    const auto at = codes_.find(callsign);
    return at == codes_.end() ? nullptr : &at->second;
}

}  // namespace corvane
