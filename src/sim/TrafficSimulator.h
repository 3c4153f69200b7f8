#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <vector>

#include "SimAircraft.h"

namespace corvane::sim {

/// The simulated network around the demo airport: controller stations and pilot clients that
/// move as simulated time goes on. The same seed and the same time give the same snapshot.
class TrafficSimulator {
public:
    /// A simulation of `aircraftCount` pilot clients, at simulated time zero.
    TrafficSimulator(std::uint64_t seed, std::size_t aircraftCount);

    void advance(double seconds) { timeS_ += seconds; }

    /// Simulated seconds since the start.
    double timeS() const { return timeS_; }

    std::size_t aircraftCount() const { return count_; }

    /// Pilot client number `index` (0 .. aircraftCount() - 1).
    SimAircraft aircraft(std::size_t index) const;

    /// Writes the whole snapshot: every station line, then every pilot line, CR LF ended.
    void writeSnapshot(std::ostream& out) const;

private:
    std::uint64_t seed_;
    std::size_t count_;
    double timeS_ = 0.0;
    std::vector<SimAircraft> scripted_;
};

}  // namespace corvane::sim
