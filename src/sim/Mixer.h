#pragma once

#include <cstdint>

namespace corvane::sim {

/// Deterministic pseudo-random numbers drawn from a seed and a key, the same on every platform
/// and compiler (unlike the standard distributions), so a seed always gives the same traffic.
class Mixer {
public:
    /// A stream of numbers for one (seed, key) pair, e.g. one aircraft of one run.
    Mixer(std::uint64_t seed, std::uint64_t key);

    std::uint64_t next();

    /// A whole number in [0, n); 0 when n is 0.
    std::uint64_t below(std::uint64_t n);

    /// A whole number in [lo, hi].
    int between(int lo, int hi);

    /// A real number in [0, 1).
    double unit();

private:
    std::uint64_t state_;
};

}  // namespace corvane::sim
