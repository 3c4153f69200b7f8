#pragma once

#include <array>
#include <cstddef>

namespace corvane {

/// Where the parts of a station line stand for one callsign length n: the callsign fills
/// columns 1..n, the VID (6 characters) follows the first ":", the name the second.
struct StationLayout {
    std::size_t callsignLength;  ///< n
    std::size_t nameColumn;      ///< n + 9
    std::size_t vidColumn;       ///< n + 2
    std::size_t kindColumn;      ///< n - 2: the three position-kind columns start here
};

/// The callsign lengths a station line is recognised by, in the order they are tried. A
/// 9-character callsign is not among them, so such a station is never found.
constexpr std::array<StationLayout, 4> kStationLayouts = {{
    {12, 21, 14, 10},
    {11, 20, 13, 9},
    {10, 19, 12, 8},
    {8, 17, 10, 6},
}};

constexpr std::size_t kVidLength = 6;

}  // namespace corvane
