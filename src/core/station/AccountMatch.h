#pragma once

#include <cstddef>
#include <string_view>

#include "station/StationLayout.h"

namespace corvane {

/// How a raw snapshot line matched the typed account in one layout.
enum class AccountMatchKind {
    None,
    ByName,     ///< the name columns, upper-cased, equal the account
    ByVidPart,  ///< the VID columns begin with the account, which is not the whole VID
    ByVid,      ///< the six VID columns equal the account
};

/// The fixed-column tests on a raw snapshot line that find the operator's station, made
/// before the line is split and without allocating.
namespace AccountMatch {
/// Compares the `length` characters at the layout's name and VID columns with `typed`
/// (`length` is the character count of `typed` without surrounding spaces, so a typed text
/// with such spaces never matches).
AccountMatchKind match(std::string_view line, const StationLayout& layout, std::string_view typed,
                       std::size_t length);
/// The same, for a line whose first `asciiHeadBytes` bytes are known to be ASCII: there
/// columns are byte positions, which spares counting characters on every line.
AccountMatchKind match(std::string_view line, const StationLayout& layout, std::string_view typed,
                       std::size_t length, std::size_t asciiHeadBytes);
/// True when the layout's VID stands between its two ":" separators (columns n+1 and n+8): a
/// callsign of another length that happens to hold a VID at those columns has none there.
bool vidBetweenSeparators(std::string_view line, const StationLayout& layout);
/// How many bytes of the line's head the layouts' tests read for an account of `length`.
std::size_t headBytes(std::size_t length);
/// The whole-name check after a match by name: the character right after the name and its
/// ":" (column name + length + 1) must be a digit 1 to 9, the rating's first digit.
bool followedByRating(std::string_view line, const StationLayout& layout, std::size_t length);
/// The layout's position-kind columns, upper-cased, read "CTR".
bool isCentre(std::string_view line, const StationLayout& layout);
/// True when `fileText` upper-cased (a-z and the accented Latin-1 letters, as upperCase()
/// does) equals `typed`.
bool equalsUpperCased(std::string_view fileText, std::string_view typed);
}  // namespace AccountMatch

}  // namespace corvane
