#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SimAircraft.h"

namespace corvane::sim {

/// The simulated pilot clients. A hand-made set around the demo airport comes first; it shows
/// every flight phase and every kind of irregular flight (too high, too fast, high or fast on
/// approach, fast on the taxiway, no flight plan, VFR, transponder off). Any further aircraft
/// are generated from the seed and their index, so a million of them need no memory.
class DemoFleet {
public:
    /// The hand-made aircraft; the seed changes only names, numbers and times, never the
    /// situations they show.
    static std::vector<SimAircraft> scripted(std::uint64_t seed);

    /// The generated aircraft number `index` (counting from 0 after the hand-made ones).
    static SimAircraft generated(std::uint64_t seed, std::size_t index);
};

}  // namespace corvane::sim
