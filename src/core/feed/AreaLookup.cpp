#include "feed/AreaLookup.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace corvane {

namespace {

constexpr std::int32_t kPerDegree = 1000;
constexpr std::int32_t kRows = 180;
constexpr std::int32_t kColumns = 360;
// Beyond these a ring or an edge would cost memory out of all proportion to its use (a hostile
// table); it is then tested on every lookup instead, which costs only time.
constexpr std::int64_t kMaxCellsPerRing = 400;
constexpr std::int32_t kMaxBandsPerEdge = 8;

std::int32_t band(std::int32_t thousandths) {
    return static_cast<std::int32_t>(std::floor(static_cast<double>(thousandths) / kPerDegree));
}

std::int32_t row(std::int32_t latitude) {
    return std::clamp(band(latitude) + 90, 0, kRows - 1);
}

std::int32_t column(std::int32_t longitude) {
    return std::clamp(band(longitude) + 180, 0, kColumns - 1);
}

}  // namespace

AreaLookup::AreaLookup(FirTable table) : table_(std::move(table)) {
    const auto rings = static_cast<std::uint32_t>(table_.rings().size());
    index_.reserve(rings);
    for (std::uint32_t ring = 0; ring < rings; ++ring) {
        indexRing(ring);
    }
    bandStarts_.push_back(static_cast<std::uint32_t>(bandEdges_.size()));
    indexCells();
}

void AreaLookup::indexRing(std::uint32_t ringNumber) {
    const FirRing& ring = table_.rings()[ringNumber];
    const FirVertex* v = table_.vertices().data() + ring.first;
    RingIndex entry{v[0],
                    v[0],
                    0,
                    static_cast<std::uint32_t>(bandStarts_.size()),
                    static_cast<std::uint32_t>(longEdges_.size()),
                    0};
    for (std::uint32_t k = 1; k < ring.count; ++k) {
        entry.low = {std::min(entry.low.latitude, v[k].latitude),
                     std::min(entry.low.longitude, v[k].longitude)};
        entry.high = {std::max(entry.high.latitude, v[k].latitude),
                      std::max(entry.high.longitude, v[k].longitude)};
    }
    entry.firstBand = band(entry.low.latitude);
    const std::int32_t bands = band(entry.high.latitude) - entry.firstBand + 1;
    // Two passes over the edges: count per band, then file them.
    std::vector<std::uint32_t> counts(static_cast<std::size_t>(bands) + 1, 0);
    const auto span = [&](std::uint32_t k) {
        const std::int32_t a = v[k].latitude;
        const std::int32_t b = v[(k + 1) % ring.count].latitude;
        return std::pair(band(std::min(a, b)) - entry.firstBand,
                         band(std::max(a, b)) - entry.firstBand);
    };
    for (std::uint32_t k = 0; k < ring.count; ++k) {
        const auto [from, to] = span(k);
        if (to - from >= kMaxBandsPerEdge) {
            longEdges_.push_back(k);
            continue;
        }
        for (std::int32_t b = from; b <= to; ++b) {
            ++counts[static_cast<std::size_t>(b) + 1];
        }
    }
    entry.longEnd = static_cast<std::uint32_t>(longEdges_.size());
    const auto base = static_cast<std::uint32_t>(bandEdges_.size());
    for (std::int32_t b = 0; b < bands; ++b) {
        counts[static_cast<std::size_t>(b) + 1] += counts[static_cast<std::size_t>(b)];
        bandStarts_.push_back(base + counts[static_cast<std::size_t>(b)]);
    }
    bandEdges_.resize(base + counts[static_cast<std::size_t>(bands)]);
    for (std::uint32_t k = 0; k < ring.count; ++k) {
        const auto [from, to] = span(k);
        if (to - from >= kMaxBandsPerEdge) {
            continue;
        }
        for (std::int32_t b = from; b <= to; ++b) {
            bandEdges_[base + counts[static_cast<std::size_t>(b)]++] = k;
        }
    }
    index_.push_back(entry);
}

void AreaLookup::indexCells() {
    std::vector<std::uint32_t> counts(kRows * kColumns + 1, 0);
    const auto visit = [this](std::uint32_t ring, const auto& onCell) {
        const RingIndex& r = index_[ring];
        for (std::int32_t y = row(r.low.latitude); y <= row(r.high.latitude); ++y) {
            for (std::int32_t x = column(r.low.longitude); x <= column(r.high.longitude); ++x) {
                onCell(static_cast<std::size_t>(y * kColumns + x));
            }
        }
    };
    const auto wide = [this](std::uint32_t ring) {
        const RingIndex& r = index_[ring];
        return std::int64_t{row(r.high.latitude) - row(r.low.latitude) + 1} *
                   (column(r.high.longitude) - column(r.low.longitude) + 1) >
               kMaxCellsPerRing;
    };
    const auto rings = static_cast<std::uint32_t>(index_.size());
    for (std::uint32_t ring = 0; ring < rings; ++ring) {
        if (wide(ring)) {
            wideRings_.push_back(ring);
        } else {
            visit(ring, [&counts](std::size_t cell) { ++counts[cell + 1]; });
        }
    }
    for (std::size_t cell = 1; cell < counts.size(); ++cell) {
        counts[cell] += counts[cell - 1];
    }
    cellStarts_ = counts;
    cellRings_.resize(counts.back());
    for (std::uint32_t ring = 0; ring < rings; ++ring) {
        if (!wide(ring)) {
            visit(ring, [&](std::size_t cell) { cellRings_[counts[cell]++] = ring; });
        }
    }
}

bool AreaLookup::crosses(const FirRing& ring, std::uint32_t edge, double y, double x) const {
    const FirVertex& a = table_.vertices()[ring.first + edge];
    const FirVertex& b = table_.vertices()[ring.first + (edge + 1) % ring.count];
    if ((a.latitude > y) == (b.latitude > y)) {
        return false;
    }
    return x < a.longitude + (y - a.latitude) * (b.longitude - a.longitude) /
                                 static_cast<double>(b.latitude - a.latitude);
}

// Even-odd rule on a ray towards the east: only edges in the point's latitude band can cross.
bool AreaLookup::holds(std::uint32_t ringNumber, double y, double x) const {
    const RingIndex& r = index_[ringNumber];
    if (y < r.low.latitude || y > r.high.latitude || x < r.low.longitude || x > r.high.longitude) {
        return false;
    }
    const FirRing& ring = table_.rings()[ringNumber];
    const auto b = static_cast<std::uint32_t>(std::floor(y / kPerDegree) - r.firstBand);
    bool inside = false;
    for (std::uint32_t i = bandStarts_[r.bandStart + b]; i < bandStarts_[r.bandStart + b + 1];
         ++i) {
        inside ^= crosses(ring, bandEdges_[i], y, x);
    }
    for (std::uint32_t i = r.longStart; i < r.longEnd; ++i) {
        inside ^= crosses(ring, longEdges_[i], y, x);
    }
    return inside;
}

std::string_view AreaLookup::areaAt(double latitude, double longitude) const {
    if (!(latitude >= -90.0 && latitude <= 90.0 && longitude >= -180.0 && longitude <= 180.0)) {
        return {};
    }
    const double y = latitude * kPerDegree;
    const double x = longitude * kPerDegree;
    const auto cell =
        static_cast<std::size_t>(row(static_cast<std::int32_t>(std::floor(y))) * kColumns +
                                 column(static_cast<std::int32_t>(std::floor(x))));
    auto found = static_cast<std::uint32_t>(index_.size());
    for (std::uint32_t i = cellStarts_[cell]; i < cellStarts_[cell + 1]; ++i) {
        if (holds(cellRings_[i], y, x)) {
            found = cellRings_[i];
            break;
        }
    }
    // Rings are in the table's order, so a wide ring after the one found cannot win.
    for (const std::uint32_t ring : wideRings_) {
        if (ring >= found) {
            break;
        }
        if (holds(ring, y, x)) {
            found = ring;
            break;
        }
    }
    if (found == index_.size()) {
        return {};
    }
    const auto& code = table_.codes()[table_.rings()[found].area];
    return {code.data(), code.size()};
}

}  // namespace corvane
