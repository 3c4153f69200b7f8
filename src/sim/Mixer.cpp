#include "Mixer.h"

namespace corvane::sim {

Mixer::Mixer(std::uint64_t seed, std::uint64_t key)
    : state_(seed * 0x9E3779B97F4A7C15ULL ^ (key + 0x632BE59BD9B4E019ULL)) {
    next();
}

std::uint64_t Mixer::next() {
    // SplitMix64: tiny, fast and fully defined.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t Mixer::below(std::uint64_t n) {
    return n == 0 ? 0 : next() % n;
}

int Mixer::between(int lo, int hi) {
    if (hi <= lo) {
        return lo;
    }
    return lo + static_cast<int>(below(static_cast<std::uint64_t>(hi - lo) + 1));
}

double Mixer::unit() {
    return static_cast<double>(next() >> 11) / 9007199254740992.0;
}

}  // namespace corvane::sim
