#include "TrafficSimulator.h"

#include <string>

#include "DemoFleet.h"
#include "SnapshotFormatter.h"
#include "StationRoster.h"

namespace corvane::sim {

TrafficSimulator::TrafficSimulator(std::uint64_t seed, std::size_t aircraftCount)
    : seed_(seed), count_(aircraftCount), scripted_(DemoFleet::scripted(seed)) {
    if (scripted_.size() > count_) {
        scripted_.resize(count_, scripted_.front());
    }
}

SimAircraft TrafficSimulator::aircraft(std::size_t index) const {
    if (index < scripted_.size()) {
        return scripted_[index];
    }
    return DemoFleet::generated(seed_, index - scripted_.size());
}

void TrafficSimulator::writeSnapshot(std::ostream& out) const {
    std::string buffer;
    buffer.reserve(1 << 16);
    for (const Station& station : StationRoster::all()) {
        SnapshotFormatter::appendStation(buffer, station);
    }
    for (std::size_t i = 0; i < count_; ++i) {
        if (i < scripted_.size()) {
            const SimAircraft& a = scripted_[i];
            SnapshotFormatter::appendPilot(buffer, a.plan, a.stateAt(timeS_));
        } else {
            const SimAircraft a = DemoFleet::generated(seed_, i - scripted_.size());
            SnapshotFormatter::appendPilot(buffer, a.plan, a.stateAt(timeS_));
        }
        if (buffer.size() > (1 << 16) - 1024) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
}

}  // namespace corvane::sim
