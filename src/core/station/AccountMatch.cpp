#include "station/AccountMatch.h"

#include <algorithm>

#include "common/TextColumns.h"

namespace corvane {

namespace {

constexpr unsigned char kLatin1Lead = 0xC3;

// The upper-case form of `byte`; `afterLead` tells that it follows a 0xC3 lead byte, whose
// next byte upperCase() always takes as the second half of a Latin-1 letter.
unsigned char upperByte(unsigned char byte, bool afterLead) {
    if (afterLead) {
        // U+00E0..U+00FE (but not U+00F7, the division sign) map to U+00C0..U+00DE.
        return byte >= 0xA0 && byte <= 0xBE && byte != 0xB7
                   ? static_cast<unsigned char>(byte - 0x20)
                   : byte;
    }
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 32) : byte;
}

}  // namespace

bool AccountMatch::equalsUpperCased(std::string_view fileText, std::string_view typed) {
    if (fileText.size() != typed.size()) {
        return false;  // upper-casing keeps the byte length
    }
    bool afterLead = false;
    for (std::size_t i = 0; i < fileText.size(); ++i) {
        const auto byte = static_cast<unsigned char>(fileText[i]);
        if (upperByte(byte, afterLead) != static_cast<unsigned char>(typed[i])) {
            return false;
        }
        afterLead = !afterLead && byte == kLatin1Lead;
    }
    return true;
}

namespace {

// Characters `column` .. `column + count - 1`, counted as bytes on an ASCII head.
std::string_view headSlice(std::string_view line, std::size_t column, std::size_t count) {
    return column - 1 < line.size() ? line.substr(column - 1, count) : std::string_view{};
}

AccountMatchKind classify(std::string_view name, std::string_view vid, std::string_view wholeVid,
                          std::string_view typed) {
    if (AccountMatch::equalsUpperCased(name, typed)) {
        return AccountMatchKind::ByName;
    }
    if (vid == typed) {
        return wholeVid == typed ? AccountMatchKind::ByVid : AccountMatchKind::ByVidPart;
    }
    return AccountMatchKind::None;
}

}  // namespace

std::size_t AccountMatch::headBytes(std::size_t length) {
    return kStationLayouts.front().nameColumn + std::max(length, kVidLength) + 1;
}

bool AccountMatch::vidBetweenSeparators(std::string_view line, const StationLayout& layout) {
    return TextColumns::mid(line, layout.vidColumn - 1, 1) == ":" &&
           TextColumns::mid(line, layout.vidColumn + kVidLength, 1) == ":";
}

AccountMatchKind AccountMatch::match(std::string_view line, const StationLayout& layout,
                                     std::string_view typed, std::size_t length) {
    if (length == 0 || !vidBetweenSeparators(line, layout)) {
        return AccountMatchKind::None;
    }
    return classify(TextColumns::mid(line, layout.nameColumn, length),
                    TextColumns::mid(line, layout.vidColumn, length),
                    TextColumns::mid(line, layout.vidColumn, kVidLength), typed);
}

AccountMatchKind AccountMatch::match(std::string_view line, const StationLayout& layout,
                                     std::string_view typed, std::size_t length,
                                     std::size_t asciiHeadBytes) {
    if (length == 0) {
        return AccountMatchKind::None;
    }
    if (asciiHeadBytes < headBytes(length) && asciiHeadBytes < line.size()) {
        return match(line, layout, typed, length);
    }
    // On an ASCII head the separators stand at their byte positions.
    if (headSlice(line, layout.vidColumn - 1, 1) != ":" ||
        headSlice(line, layout.vidColumn + kVidLength, 1) != ":") {
        return AccountMatchKind::None;
    }
    return classify(headSlice(line, layout.nameColumn, length),
                    headSlice(line, layout.vidColumn, length),
                    headSlice(line, layout.vidColumn, kVidLength), typed);
}

bool AccountMatch::followedByRating(std::string_view line, const StationLayout& layout,
                                    std::size_t length) {
    const std::string_view next = TextColumns::mid(line, layout.nameColumn + length + 1, 1);
    return next.size() == 1 && next[0] >= '1' && next[0] <= '9';
}

bool AccountMatch::isCentre(std::string_view line, const StationLayout& layout) {
    return equalsUpperCased(TextColumns::mid(line, layout.kindColumn, 3), "CTR");
}

}  // namespace corvane
