#pragma once

#include <string>
#include <string_view>

namespace corvane {

/// The wake turbulence marker of a pilot line: the category letter and a "-" at the head of the
/// equipment field ("1/A320/M-SDE2E3FGHIJ1RWY/LB1"). The analyses find it anywhere in the line,
/// so it is written and read in this one place.
namespace WakeMarker {
/// The marker written for a filed wake category: "L-", "M-" or "H-" for those letters, "S-"
/// for "J" (a super in ICAO's letters, "S" in the program's), "" for anything else.
std::string of(std::string_view category);

/// The wake category the raw line names: "S" when it holds "S-", else "H" for "H-", else
/// "M" for "M-", else "L" for "L-", else "".
std::string categoryIn(std::string_view raw);
}  // namespace WakeMarker

}  // namespace corvane
