#include "common/TextColumns.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace corvane {

namespace {

bool isContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Steps over `count` characters starting at byte `pos`; stops at the end of the text.
std::size_t skipCharacters(std::string_view text, std::size_t pos, std::size_t count) {
    // Runs of ASCII (almost every line of every file) go eight bytes at a time.
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    while (count >= 8 && pos + 8 <= text.size()) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + pos, sizeof word);
        if ((word & kHighBits) != 0) {
            break;
        }
        pos += 8;
        count -= 8;
    }
    while (count > 0 && pos < text.size()) {
        ++pos;
        while (pos < text.size() && isContinuationByte(static_cast<unsigned char>(text[pos]))) {
            ++pos;
        }
        --count;
    }
    return pos;
}

}  // namespace

std::size_t TextColumns::byteOffset(std::string_view text, std::size_t column) {
    if (column <= 1) {
        return 0;
    }
    return skipCharacters(text, 0, column - 1);
}

std::string_view TextColumns::mid(std::string_view text, std::size_t start, std::size_t count) {
    if (start == 0 || count == 0) {
        return {};
    }
    const std::size_t begin = byteOffset(text, start);
    const std::size_t end = skipCharacters(text, begin, count);
    return text.substr(begin, end - begin);
}

std::string_view TextColumns::from(std::string_view text, std::size_t start) {
    if (start == 0) {
        return text;
    }
    return text.substr(byteOffset(text, start));
}

std::string_view TextColumns::columns(std::string_view text, std::size_t first, std::size_t last) {
    if (last < first) {
        return {};
    }
    return mid(text, first, last - first + 1);
}

std::string_view TextColumns::left(std::string_view text, std::size_t count) {
    return text.substr(0, skipCharacters(text, 0, count));
}

std::string_view TextColumns::right(std::string_view text, std::size_t count) {
    const std::size_t total = length(text);
    if (count >= total) {
        return text;
    }
    return from(text, total - count + 1);
}

std::size_t TextColumns::length(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return !isContinuationByte(static_cast<unsigned char>(c));
    }));
}

std::string_view trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string_view trimTrailingSpaces(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        if (byte >= 'a' && byte <= 'z') {
            out[i] = static_cast<char>(byte - 32);
            continue;
        }
        if (i + 1 >= out.size()) {
            break;
        }
        const auto next = static_cast<unsigned char>(out[i + 1]);
        if (byte == 0xC3 && next >= 0xA0 && next <= 0xBE && next != 0xB7) {
            // U+00E0..U+00FE (except U+00F7, the division sign) map to U+00C0..U+00DE.
            out[i + 1] = static_cast<char>(next - 0x20);
        } else if (byte == 0xC3 && next == 0xBF) {
            out.replace(i, 2, "\xC5\xB8");  // ÿ to Ÿ
        } else if (byte == 0xC5 && (next == 0x93 || next == 0xA1 || next == 0xBE)) {
            // œ, š and ž, the other small letters of Windows-1252, sit one above their capital.
            out[i + 1] = static_cast<char>(next - 1);
        }
        if (byte >= 0xC0) {
            ++i;
        }
    }
    return out;
}

std::string replaceControlCharacters(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                        static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                        static_cast<unsigned char>(text[i + 1]) <= 0x9F;
        if (c1) {
            ++i;
        }
        shown += (byte < 0x20 || byte == 0x7F || c1) ? '?' : text[i];
    }
    return shown;
}

}  // namespace corvane
