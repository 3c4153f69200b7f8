#include "flightplan/FlightPlanSheetLayout.h"

#include "window/Colours.h"

namespace corvane {

namespace {

using Need = FlightPlanSheetLayout::Need;
using Field = FlightPlanSheetLayout::Field;

constexpr std::string_view kDash = FlightPlanSheetLayout::kFieldSeparator;
constexpr std::string_view kSlash = FlightPlanSheetLayout::kTypeSeparator;

// Captions, spacing included, as on the paper form the sheet copies.
constexpr std::array<Field, FlightPlanSheetLayout::kFieldCount> kFields = {{
    {7, 0, "LblAircId", {"7  AIRCRAFT IDENT.", ""}, "", "", false, Need::Always},
    {8, 0, "LblFR", {"8  FLIGHT RULES", ""}, kDash, "", false, Need::Always},
    {8, 0, "LblTOF", {"TYPE OF FLIGHT", ""}, kDash, "", true, Need::Always},
    {9, 1, "LblNumber", {"9  NUMBER", ""}, "", "", false, Need::Optional},
    {9, 1, "LblTO", {"TYPE OF AIRCRAFT", ""}, kDash, "", false, Need::Always},
    {9, 1, "LblWake", {"WAKE TURB. CAT", ""}, kSlash, "", false, Need::Ifr},
    {10, 1, "LblEquip", {"10  EQUIPMENT", ""}, kDash, "", false, Need::Ifr},
    {13, 2, "LblDA", {"13  DEPARTURE AERODROME", ""}, "", "", false, Need::Always},
    {13, 2, "LblTimeact", {"TIME", ""}, kDash, "", true, Need::Always},
    {15, 3, "LblCS", {"15  CRUISING SPEED", ""}, "", "", false, Need::Always},
    {15, 3, "LblLevel", {"LEVEL", ""}, kDash, "", false, Need::Always},
    {15, 3, "lblRoute", {"ROUTE", ""}, kDash, "", true, Need::Always},
    {16, 4, "LblDEs", {"16  DESTINATION", ""}, "", "", false, Need::Always},
    {16, 4, "LblTotal", {"TOTAL EET", "HR     MIN "}, kDash, "", false, Need::Always},
    {16, 4, "lblAltn", {"ALTN AERODROME", ""}, kDash, "", false, Need::Optional},
    {16, 4, "Lbl2Altn", {"2ND ALTN AERODROME", ""}, kDash, "", false, Need::Optional},
    {18, 5, "lblOther", {"18  OTHER INFORMATION", ""}, "", "", false, Need::Optional},
    {19, 6, "lblTime", {"ENDURANCE    HR     MIN ", ""}, "", "E /", false, Need::Always},
    {19, 6, "LblPOB", {"PERSON ON BOARD", ""}, "", "P /", false, Need::Always},
    {19, 6, "LblPIC", {"PILOT IN COMMAND", ""}, "", "C /", false, Need::Always},
}};

constexpr std::array<FlightPlanSheetLayout::LegendEntry, 3> kLegend = {{
    {Need::Always, "", "= field required for IFR and VFR"},
    {Need::Ifr, "", "= field required       for IFR "},
    {Need::Optional, "Not highlighted          field",
     "= field not required for         domestic ICAO"},
}};

}  // namespace

const std::array<Field, FlightPlanSheetLayout::kFieldCount>& FlightPlanSheetLayout::fields() {
    return kFields;
}

const std::array<FlightPlanSheetLayout::LegendEntry, 3>& FlightPlanSheetLayout::legend() {
    return kLegend;
}

std::optional<int> FlightPlanSheetLayout::highlight(Need need) {
    switch (need) {
        case Need::Always:
            return colour::kYellow;
        case Need::Ifr:
            return colour::kGreen;
        case Need::Optional:
            break;
    }
    return std::nullopt;
}

}  // namespace corvane
