#pragma once

namespace corvane {

/// Window colour numbers: blue x 65536 + green x 256 + red.
namespace colour {
inline constexpr int kRed = 255;
inline constexpr int kGreen = 65280;
inline constexpr int kYellow = 65535;
inline constexpr int kOrange = 33023;
}  // namespace colour

}  // namespace corvane
