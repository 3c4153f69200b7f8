#pragma once

#include <string_view>

namespace corvane {

struct StationState;

/// What a position kind (the last three characters of a station callsign) is called and what
/// its controller does.
struct PositionKind {
    std::string_view kind;        ///< "APP", "CTR", "TWR", "GND" or "DEP"
    std::string_view title;       ///< shown in `lblPosition`
    std::string_view duties;      ///< first paragraph of the description
    std::string_view moreDuties;  ///< second paragraph, empty when there is none
};

/// The five position kinds the program describes.
namespace PositionKinds {
/// Case-sensitive; null for an unknown kind.
const PositionKind* find(std::string_view kind);
/// Shows the kind of `positionName` (its last three characters) in `lblPosition` and its
/// description, both paragraphs joined directly, in `txtInfoPos`. Any other kind leaves both
/// as they were.
void show(StationState& station, std::string_view positionName);
}  // namespace PositionKinds

}  // namespace corvane
