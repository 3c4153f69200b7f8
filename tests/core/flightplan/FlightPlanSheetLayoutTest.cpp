#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "app/Colours.h"
#include "app/ProgramState.h"
#include "flightplan/FlightPlanSheet.h"
#include "flightplan/FlightPlanSheetLayout.h"

namespace corvane {
namespace {

using Layout = FlightPlanSheetLayout;
using Need = Layout::Need;

struct CaptionCase {
    std::string_view label;
    int item;
    std::string_view caption;
    std::string_view second;
    std::string_view prefix;
    std::optional<int> colour;
};

const std::optional<int> kNone;

const CaptionCase kCaptions[] = {
    {"LblAircId", 7, "7  AIRCRAFT IDENT.", "", "", colour::kYellow},
    {"LblFR", 8, "8  FLIGHT RULES", "", "", colour::kYellow},
    {"LblTOF", 8, "TYPE OF FLIGHT", "", "", colour::kYellow},
    {"LblNumber", 9, "9  NUMBER", "", "", kNone},
    {"LblTO", 9, "TYPE OF AIRCRAFT", "", "", colour::kYellow},
    {"LblWake", 9, "WAKE TURB. CAT", "", "", colour::kGreen},
    {"LblEquip", 10, "10  EQUIPMENT", "", "", colour::kGreen},
    {"LblDA", 13, "13  DEPARTURE AERODROME", "", "", colour::kYellow},
    {"LblTimeact", 13, "TIME", "", "", colour::kYellow},
    {"LblCS", 15, "15  CRUISING SPEED", "", "", colour::kYellow},
    {"LblLevel", 15, "LEVEL", "", "", colour::kYellow},
    {"lblRoute", 15, "ROUTE", "", "", colour::kYellow},
    {"LblDEs", 16, "16  DESTINATION", "", "", colour::kYellow},
    {"LblTotal", 16, "TOTAL EET", "HR     MIN ", "", colour::kYellow},
    {"lblAltn", 16, "ALTN AERODROME", "", "", kNone},
    {"Lbl2Altn", 16, "2ND ALTN AERODROME", "", "", kNone},
    {"lblOther", 18, "18  OTHER INFORMATION", "", "", kNone},
    {"lblTime", 19, "ENDURANCE    HR     MIN ", "", "E /", colour::kYellow},
    {"LblPOB", 19, "PERSON ON BOARD", "", "P /", colour::kYellow},
    {"LblPIC", 19, "PILOT IN COMMAND", "", "C /", colour::kYellow},
};

TEST(FlightPlanSheetLayoutTest, FieldsAreTheFormsItemsInOrderWithTheirCaptions) {
    ASSERT_EQ(Layout::fields().size(), std::size(kCaptions));
    for (std::size_t i = 0; i < std::size(kCaptions); ++i) {
        const Layout::Field& field = Layout::fields()[i];
        const CaptionCase& expected = kCaptions[i];
        SCOPED_TRACE(std::string(expected.label));
        EXPECT_EQ(field.valueLabel, expected.label);
        EXPECT_EQ(field.item, expected.item);
        EXPECT_EQ(field.captions[0], expected.caption);
        EXPECT_EQ(field.captions[1], expected.second);
        EXPECT_EQ(field.prefix, expected.prefix);
        EXPECT_EQ(Layout::highlight(field.need), expected.colour);
    }
}

TEST(FlightPlanSheetLayoutTest, SheetLabelsComeInTheLayoutsOrder) {
    ProgramState state;
    const FlightPlanSheet::Labels labels = FlightPlanSheet::labels(state);
    ASSERT_EQ(labels.size(), Layout::fields().size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].first, Layout::fields()[i].valueLabel);
    }
}

TEST(FlightPlanSheetLayoutTest, FixedTexts) {
    EXPECT_EQ(Layout::kWindowCaption, "INTERNATIONAL FLIGHT PLAN");
    EXPECT_EQ(Layout::kHeading, "International Flight Plan");
    EXPECT_EQ(Layout::kMessageStart, "<<=    (FPL");
    EXPECT_EQ(Layout::kLineEnd, "<<= ");
    EXPECT_EQ(Layout::kFieldSeparator, "-");
    EXPECT_EQ(Layout::kTypeSeparator, "/");
    EXPECT_EQ(Layout::kSupplementaryHeading, "19 SUPPLEMENTARY INFORMATION");
}

TEST(FlightPlanSheetLayoutTest, LineEndsCloseTheItemEightThirteenAndFifteenRows) {
    std::set<std::string_view> ending;
    for (const Layout::Field& field : Layout::fields()) {
        if (field.endsLine) {
            ending.insert(field.valueLabel);
        }
    }
    EXPECT_EQ(ending, (std::set<std::string_view>{"LblTOF", "LblTimeact", "lblRoute"}));
}

TEST(FlightPlanSheetLayoutTest, TypeAndWakeAreJoinedBySlashOtherRowFieldsByDash) {
    int previousRow = -1;
    for (const Layout::Field& field : Layout::fields()) {
        SCOPED_TRACE(std::string(field.valueLabel));
        EXPECT_GE(field.row, previousRow);
        const bool firstOfRow = field.row != previousRow;
        if (field.valueLabel == "LblWake") {
            EXPECT_EQ(field.separator, "/");
        } else if (firstOfRow || field.item == 19) {
            EXPECT_EQ(field.separator, "");
        } else {
            EXPECT_EQ(field.separator, "-");
        }
        previousRow = field.row;
    }
    EXPECT_EQ(Layout::fields().back().row, 6);
}

TEST(FlightPlanSheetLayoutTest, LegendExplainsEachHighlight) {
    const auto& legend = Layout::legend();
    EXPECT_EQ(Layout::highlight(legend[0].need), std::optional<int>(65535));
    EXPECT_EQ(legend[0].sample, "");
    EXPECT_EQ(legend[0].explanation, "= field required for IFR and VFR");
    EXPECT_EQ(Layout::highlight(legend[1].need), std::optional<int>(65280));
    EXPECT_EQ(legend[1].explanation, "= field required       for IFR ");
    EXPECT_EQ(Layout::highlight(legend[2].need), std::nullopt);
    EXPECT_EQ(legend[2].sample, "Not highlighted          field");
    EXPECT_EQ(legend[2].explanation, "= field not required for         domestic ICAO");
}

}  // namespace
}  // namespace corvane
