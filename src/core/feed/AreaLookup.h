#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "feed/FirTable.h"

namespace corvane {

/// The FIR boundaries behind a spatial index, so a position is placed by testing the few ring
/// edges near it, not every boundary point: a grid of one-degree cells lists the rings whose
/// bounding box meets each cell, and each ring files its edges by one-degree latitude band.
class AreaLookup {
public:
    /// An index over `table`, which it keeps.
    explicit AreaLookup(FirTable table = {});

    /// The code of the first area of the table that holds the point (degrees), or "" when none
    /// does or the numbers are no position.
    std::string_view areaAt(double latitude, double longitude) const;

private:
    struct RingIndex {
        FirVertex low;   ///< bounding box, south-west corner
        FirVertex high;  ///< north-east corner
        std::int32_t firstBand;
        std::uint32_t bandStart;  ///< index into bandStarts_ of the ring's first band
        std::uint32_t longStart;  ///< index into longEdges_
        std::uint32_t longEnd;
    };

    void indexRing(std::uint32_t ring);
    void indexCells();
    bool holds(std::uint32_t ring, double y, double x) const;
    bool crosses(const FirRing& ring, std::uint32_t edge, double y, double x) const;

    FirTable table_;
    std::vector<RingIndex> index_;
    std::vector<std::uint32_t> bandStarts_;  ///< per ring, per band, then one past its last
    std::vector<std::uint32_t> bandEdges_;
    std::vector<std::uint32_t> longEdges_;   ///< edges spanning too many bands to file
    std::vector<std::uint32_t> cellStarts_;  ///< per cell, then one past the last
    std::vector<std::uint32_t> cellRings_;
    std::vector<std::uint32_t> wideRings_;  ///< rings too wide to list in every cell they meet
};

}  // namespace corvane
