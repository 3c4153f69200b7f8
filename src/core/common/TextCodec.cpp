#include "common/TextCodec.h"

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvane {

namespace {

// Code points of the Windows-1252 bytes 0x80..0x9F; the five undefined ones map to themselves
// (as the system's conversion does) so nothing is dropped.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

bool TextCodec::isAscii(std::string_view bytes) {
    // Every line of a snapshot passes here: test 64, then 8 bytes at a time.
    const char* data = bytes.data();
    std::size_t left = bytes.size();
#if defined(__SSE2__)
    while (left >= 64) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 16));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 32));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + 48));
        if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(a, b), _mm_or_si128(c, d))) != 0) {
            return false;
        }
        data += 64;
        left -= 64;
    }
#endif
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::uint64_t seen = 0;
    for (; left >= 8; data += 8, left -= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, data, sizeof word);
        seen |= word;
    }
    for (; left > 0; ++data, --left) {
        seen |= static_cast<unsigned char>(*data);
    }
    return (seen & kHighBits) == 0;
}

char32_t TextCodec::nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t code = extra == 3   ? lead & 0x07u
                    : extra == 2 ? lead & 0x0Fu
                    : extra == 1 ? lead & 0x1Fu
                                 : lead;
    while (extra-- > 0 && pos < text.size()) {
        code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3Fu);
    }
    return code;
}

bool TextCodec::isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
        std::uint32_t cp = 0;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            extra = 1;
            cp = b0 & 0x1F;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            extra = 2;
            cp = b0 & 0x0F;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            extra = 3;
            cp = b0 & 0x07;
        } else {
            return false;
        }
        if (i + extra >= n) {
            return false;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(bytes[i + k]);
            if ((b & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (b & 0x3F);
        }
        if ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

void TextCodec::appendWindows1252AsUtf8(std::string_view bytes, std::string& out) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else if (byte < 0xA0) {
            appendCodePoint(kHighControls[byte - 0x80], out);
        } else {
            appendCodePoint(byte, out);
        }
    }
}

std::string TextCodec::decodeLine(std::string_view bytes) {
    if (isValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    appendWindows1252AsUtf8(bytes, out);
    return out;
}

std::string TextCodec::decodeField(std::string_view field, std::string_view rawLine) {
    // The whole line decides: a field is read as Windows-1252 when any byte of its line is not
    // UTF-8, even if the field alone would be.
    if (isAscii(field) || isValidUtf8(rawLine)) {
        return std::string(field);
    }
    std::string out;
    appendWindows1252AsUtf8(field, out);
    return out;
}

void TextCodec::appendCodePoint(char32_t code, std::string& out) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

}  // namespace corvane
