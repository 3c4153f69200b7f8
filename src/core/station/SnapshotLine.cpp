#include "station/SnapshotLine.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvane {

namespace {

// Bits set in a 32-bit mask, by table: the baseline x86-64 has no popcount instruction.
std::size_t colonCount(std::uint32_t mask) {
    static constexpr auto kBits = [] {
        std::array<std::uint8_t, 256> bits{};
        for (std::size_t i = 0; i < bits.size(); ++i) {
            bits[i] = static_cast<std::uint8_t>((i & 1U) + bits[i / 2]);
        }
        return bits;
    }();
    return kBits[mask & 0xFFU] + kBits[(mask >> 8) & 0xFFU] + kBits[(mask >> 16) & 0xFFU] +
           kBits[mask >> 24];
}

}  // namespace

void SnapshotLine::split(std::string_view line, std::size_t highestField) {
    const std::size_t highest = std::min(highestField, kAllFields);
    const std::uint64_t fields = highest >= 63 ? ~std::uint64_t{0} : (bit(highest + 1) - 1);
    splitFields(line, fields);
}

void SnapshotLine::splitFields(std::string_view line, std::uint64_t fields) {
    fields &= bit(kKeptFields) - 1;
    readable_ = fields;
    raw_ = line;
    kept_ = 0;
    count_ = 0;
    if (line.empty()) {
        return;  // an empty line has no fields at all
    }
    // Colons are found 32 or 8 bytes at a time: this split runs on every line of every pass.
    static_assert(std::endian::native == std::endian::little, "byte order of the colon scan");
    constexpr std::uint64_t kColons = 0x3A3A3A3A3A3A3A3AULL;
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    if (fields == 0) {
        return;
    }
    const std::size_t wanted = static_cast<std::size_t>(64 - std::countl_zero(fields));
    // The ends a readable field needs: its own and the one before it.
    const std::uint64_t ends = fields | (fields >> 1);
    std::uint32_t* const out = ends_.data();
    const char* const begin = line.data();
    std::size_t kept = 0;
    const char* const end = line.data() + line.size();
    const char* cursor = begin;
    while (kept < wanted) {
#if defined(__SSE2__)
        if (end - cursor >= 32) {
            const __m128i colon = _mm_set1_epi8(':');
            const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cursor));
            const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cursor + 16));
            auto colons =
                static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(low, colon))) |
                (static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(high, colon))) << 16);
            const std::size_t found = colonCount(colons);
            if (kept + found < wanted && ((ends >> kept) & (bit(found) - 1)) == 0) {
                kept += found;  // no field of this pass ends in these 32 bytes
                cursor += 32;
                continue;
            }
            while (colons != 0 && kept < wanted) {
                out[kept++] = static_cast<std::uint32_t>(cursor + std::countr_zero(colons) - begin);
                colons &= colons - 1;
            }
            cursor += 32;
            continue;
        }
#endif
        if (end - cursor >= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, cursor, sizeof word);
            const std::uint64_t x = word ^ kColons;
            // Exactly the high bit of every byte of `word` that is a colon.
            std::uint64_t colons = ~(((x & kLow7) + kLow7) | x | kLow7);
            while (colons != 0 && kept < wanted) {
                const char* colon = cursor + (std::countr_zero(colons) >> 3);
                out[kept++] = static_cast<std::uint32_t>(colon - begin);
                colons &= colons - 1;
            }
            cursor += 8;
        } else if (cursor == end) {
            out[kept++] = static_cast<std::uint32_t>(end - begin);
            kept_ = kept;
            count_ = kept;
            return;
        } else {
            if (*cursor == ':') {
                out[kept++] = static_cast<std::uint32_t>(cursor - begin);
            }
            ++cursor;
        }
    }
    // More fields follow that no use of this pass needs.
    kept_ = kept;
    count_ = kept + 1;
}

}  // namespace corvane
