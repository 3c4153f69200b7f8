#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace corvane::sim {

/// The command-line options of corvane-sim.
struct SimOptions {
    static constexpr std::size_t kMaxAircraft = 1000000;

    std::string outPath = "recent.dat";  ///< --out FILE
    double intervalS = 5.0;              ///< --interval SECONDS
    bool once = false;                   ///< --once
    std::uint64_t seed = 1;              ///< --seed N
    std::size_t aircraft = 40;           ///< --aircraft N
    bool inPlace = false;                ///< --in-place
    double startS = 0.0;                 ///< --at SECONDS
    bool help = false;                   ///< --help
    bool version = false;                ///< --version

    /// Reads the arguments (without the program name). On a bad argument returns nothing and
    /// puts the reason into `error`.
    static std::optional<SimOptions> parse(const std::vector<std::string>& args,
                                           std::string& error);

    /// The text printed by --help.
    static std::string usage();
};

}  // namespace corvane::sim
