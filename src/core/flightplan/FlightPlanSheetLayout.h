#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace corvane {

/// The fixed texts of the flight plan sheet, laid out after the ICAO flight plan form, for the
/// window that draws it. The sheet's values come separately (`ProgramState::Sheet`); this only
/// says what is printed around them.
///
/// The sheet reads top to bottom in rows (`Field::row`). Row 0 begins with `kMessageStart`; in a
/// row each field is printed as: its `separator`, its `captions` (one or two, the item number
/// leading the first caption of an item), its `prefix`, then the value label. A field with
/// `endsLine` is followed by `kLineEnd`. `kSupplementaryHeading` stands above the last row
/// (item 19). The legend, under the form, explains the caption colours.
namespace FlightPlanSheetLayout {
/// Which fields of the form a flight must fill in; each kind has its caption colour.
enum class Need {
    Always,   ///< required for IFR and VFR: yellow
    Ifr,      ///< required for IFR: green
    Optional  ///< not required for domestic ICAO: not highlighted
};

/// One value field of the sheet and the texts printed beside it.
struct Field {
    int item;                                  ///< ICAO item number
    int row;                                   ///< row of the sheet, from 0
    std::string_view valueLabel;               ///< name of the value label
    std::array<std::string_view, 2> captions;  ///< caption and a second caption line, or ""
    std::string_view separator;                ///< printed before the field in its row, or ""
    std::string_view prefix;                   ///< printed between caption and value, or ""
    bool endsLine;                             ///< `kLineEnd` follows the field
    Need need;                                 ///< highlight of its captions
};

/// One line of the legend: a sample of the highlight, then its explanation.
struct LegendEntry {
    Need need;
    std::string_view sample;       ///< text on the highlighted sample ("" for a bare swatch)
    std::string_view explanation;  ///< text beside the sample
};

inline constexpr std::string_view kWindowCaption = "INTERNATIONAL FLIGHT PLAN";
inline constexpr std::string_view kHeading = "International Flight Plan";
/// Start of the flight plan message, before item 7.
inline constexpr std::string_view kMessageStart = "<<=    (FPL";
/// End of the item 8, item 13 and item 15 rows.
inline constexpr std::string_view kLineEnd = "<<= ";
inline constexpr std::string_view kFieldSeparator = "-";
/// Between the aircraft type and the wake turbulence category.
inline constexpr std::string_view kTypeSeparator = "/";
/// Heading above item 19.
inline constexpr std::string_view kSupplementaryHeading = "19 SUPPLEMENTARY INFORMATION";

inline constexpr std::size_t kFieldCount = 20;

/// The value fields in the order the sheet is filled and read.
const std::array<Field, kFieldCount>& fields();
/// The legend lines, top to bottom.
const std::array<LegendEntry, 3>& legend();
/// Background colour of a caption of this kind (colour number), none when not highlighted.
std::optional<int> highlight(Need need);
}  // namespace FlightPlanSheetLayout

}  // namespace corvane
