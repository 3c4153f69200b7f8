#include "snapshot/SnapshotLine.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvane {

namespace {

#if defined(__SSE2__)
// Colons in two 16-byte comparison results (0xFF per colon), summed by the byte-sum
// instruction: the baseline x86-64 has no popcount instruction.
std::size_t colonCount(__m128i low, __m128i high) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i ones = _mm_sub_epi8(_mm_sub_epi8(zero, low), high);
    const __m128i sums = _mm_sad_epu8(ones, zero);
    return static_cast<std::size_t>(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
}
#endif

}  // namespace

void SnapshotLine::split(std::string_view line, std::size_t highestField) {
    const std::size_t highest = std::min(highestField, kAllFields);
    splitFields(line, bit(highest + 1) - 1);
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
            const __m128i low =
                _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(cursor)), colon);
            const __m128i high = _mm_cmpeq_epi8(
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(cursor + 16)), colon);
            const std::size_t found = colonCount(low, high);
            if (kept + found < wanted && ((ends >> kept) & (bit(found) - 1)) == 0) {
                kept += found;  // no field of this pass ends in these 32 bytes
                cursor += 32;
                continue;
            }
            auto colons = static_cast<std::uint32_t>(_mm_movemask_epi8(low)) |
                          (static_cast<std::uint32_t>(_mm_movemask_epi8(high)) << 16);
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
