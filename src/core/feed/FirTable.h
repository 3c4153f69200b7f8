#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <vector>

namespace corvane {

/// One corner of a boundary, in thousandths of a degree.
struct FirVertex {
    std::int32_t latitude;
    std::int32_t longitude;
};

/// One closed ring of a boundary: `count` vertices from `first` in the table's vertex list, the
/// last joined back to the first.
struct FirRing {
    std::uint32_t area;  ///< index of the area the ring belongs to
    std::uint32_t first;
    std::uint32_t count;
};

/// The FIR boundaries the program ships, `firs.txt`, in the order their codes are given: the
/// first area that holds a point names it. Sample:
///
///     AREA EDGG-N Langen Radar North
///     RING
///     50123 8456
///
/// An `AREA` line begins an area (its code is the four capital letters after `AREA `, the rest
/// of the line names it), `RING` one of its rings, and each vertex line holds latitude and
/// longitude as whole thousandths of a degree. Lines starting with "#" are comments; any other
/// line, a vertex out of range, and a ring of fewer than three vertices are skipped. Past the
/// limits below the rest of the file is not read, so a hostile file costs bounded memory.
class FirTable {
public:
    static constexpr std::size_t kMaxAreas = 10'000;
    static constexpr std::size_t kMaxRings = 20'000;
    static constexpr std::size_t kMaxVertices = 500'000;

    static FirTable read(std::istream& in);

    /// The four-letter code of each area, in the table's order.
    const std::vector<std::array<char, 4>>& codes() const { return codes_; }
    /// Every ring, grouped by area in the table's order.
    const std::vector<FirRing>& rings() const { return rings_; }
    /// The vertices of all rings, ring after ring.
    const std::vector<FirVertex>& vertices() const { return vertices_; }

private:
    void closeRing();

    std::vector<std::array<char, 4>> codes_;
    std::vector<FirRing> rings_;
    std::vector<FirVertex> vertices_;
    bool ringOpen_ = false;
};

}  // namespace corvane
