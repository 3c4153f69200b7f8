#include <string>
#include <utility>
#include <vector>

#include "flightplan/FlightPlanSheet.h"
#include "support/AppFixture.h"

namespace corvane {
namespace {

using test::AppFixture;
using Labels = std::vector<std::pair<std::string, std::string>>;

AnalysedPlan departurePlan() {
    AnalysedPlan p;
    p.Callsign = "DLH4AB";
    p.Record.FlightRules = "I";
    p.Record.FlightType = "S";
    p.Record.AircraftType = "A320";
    p.Record.WakeCategory = "M";
    p.Record.Equipment = "SDFGRWY";
    p.Record.DepTime = "1430";
    p.Record.Route = "SULUS Z10 TONSU";
    p.Record.Destination = "LIRF";
    p.Record.TotalEet = "0150";
    p.Record.Alternate = "LIRN";
    p.Record.Alternate2 = "LIMC";
    p.Record.OtherInfo = "RMK/TCAS";
    p.Record.Endurance = "0400";
    p.Record.PersonsOnBoard = "152";
    p.Record.PilotInCommand = "JANE DOE";
    p.DepAerodrome = "EDDF";
    p.Level = "F360";
    p.CruiseSpeed = "N0450";
    return p;
}

AnalysedPlan arrivalPlan() {
    AnalysedPlan p;
    p.Callsign = "AZA790";
    p.Record.FlightRules = "V";
    p.Record.FlightType = "N";
    p.Record.AircraftType = "B738";
    p.Record.WakeCategory = "H";
    p.Record.Equipment = "S";
    p.Record.DepTime = "0915";
    p.Record.Route = "DCT";
    p.Record.Destination = "EDDF";
    p.Record.TotalEet = "0205";
    p.Record.Alternate = "EDDK";
    p.Record.Alternate2 = "";
    p.Record.OtherInfo = "";
    p.Record.Endurance = "0330";
    p.Record.PersonsOnBoard = "98";
    p.Record.PilotInCommand = "MARIO ROSSI";
    p.DepAerodrome = "LIRF";
    p.Level = "F320";
    p.CruiseSpeed = "N0440";
    return p;
}

class FlightPlanSheetTest : public AppFixture {
protected:
    FlightPlanSheetTest() {
        start();
        state().SelectedDepartureCallsign = "DLH4AB";
        state().DeparturePlan = departurePlan();
        state().SelectedArrivalCallsign = "AZA790";
        state().ArrivalPlan = arrivalPlan();
        window().cmdFPDep.enabled = true;
        window().cmdFPArr.enabled = true;
    }

    /// The text of one value label of the open sheet.
    std::string shown(const std::string& label) {
        EXPECT_TRUE(state().Sheet.has_value());
        if (!state().Sheet) {
            return "<closed>";
        }
        for (const auto& [name, text] : *state().Sheet) {
            if (name == label) {
                return text;
            }
        }
        ADD_FAILURE() << "no label " << label;
        return "<missing>";
    }
};

TEST_F(FlightPlanSheetTest, DepartureSheetShowsTheDepartureAircraftInFormOrder) {
    ASSERT_EQ(app->click("cmdFPDep"), ActionResult::Done);
    ASSERT_TRUE(state().Sheet.has_value());
    const Labels expected = {
        {"LblAircId", "DLH4AB"}, {"LblFR", "I"},           {"LblTOF", "S"},
        {"LblNumber", ""},       {"LblTO", "A320"},        {"LblWake", "M"},
        {"LblEquip", "SDFGRWY"}, {"LblDA", "EDDF"},        {"LblTimeact", "1430"},
        {"LblCS", "N0450"},      {"LblLevel", "F360"},     {"lblRoute", "SULUS Z10 TONSU"},
        {"LblDEs", "LIRF"},      {"LblTotal", "0150"},     {"lblAltn", "LIRN"},
        {"Lbl2Altn", "LIMC"},    {"lblOther", "RMK/TCAS"}, {"lblTime", "0400"},
        {"LblPOB", "152"},       {"LblPIC", "JANE DOE"},
    };
    EXPECT_EQ(*state().Sheet, expected);
    EXPECT_EQ(state().FlightPlanKind, std::optional<std::int16_t>(0));
}

TEST_F(FlightPlanSheetTest, ArrivalSheetAfterADepartureSheetShowsOnlyTheArrivalAircraft) {
    app->click("cmdFPDep");
    app->closeSheet();
    ASSERT_EQ(app->click("cmdFPArr"), ActionResult::Done);
    const Labels expected = {
        {"LblAircId", "AZA790"}, {"LblFR", "V"},
        {"LblTOF", "N"},         {"LblNumber", ""},
        {"LblTO", "B738"},       {"LblWake", "H"},
        {"LblEquip", "S"},       {"LblDA", "LIRF"},
        {"LblTimeact", "0915"},  {"LblCS", "N0440"},
        {"LblLevel", "F320"},    {"lblRoute", "DCT"},
        {"LblDEs", "EDDF"},      {"LblTotal", "0205"},
        {"lblAltn", "EDDK"},     {"Lbl2Altn", ""},
        {"lblOther", ""},        {"lblTime", "0330"},
        {"LblPOB", "98"},        {"LblPIC", "MARIO ROSSI"},
    };
    ASSERT_TRUE(state().Sheet.has_value());
    EXPECT_EQ(*state().Sheet, expected);
    EXPECT_EQ(state().FlightPlanKind, std::optional<std::int16_t>(1));
}

// The record of the aircraft analysed last (here an arrival) must not leak into the sheet of
// the other side.
TEST_F(FlightPlanSheetTest, TheLastAnalysedRecordOfTheOtherSideIsNotShown) {
    state().FlightPlan = arrivalPlan().Record;
    app->click("cmdFPDep");
    EXPECT_EQ(shown("LblTO"), "A320");
    EXPECT_EQ(shown("LblPIC"), "JANE DOE");
    EXPECT_EQ(shown("LblDA"), "EDDF");
}

TEST_F(FlightPlanSheetTest, NumberIsAlwaysEmpty) {
    for (const char* button : {"cmdFPDep", "cmdFPArr"}) {
        app->click(button);
        EXPECT_EQ(shown("LblNumber"), "") << button;
        app->closeSheet();
    }
}

TEST_F(FlightPlanSheetTest, ASideWithoutAnalysedPlanShowsOnlyTheCallsign) {
    state().ArrivalPlan.reset();
    app->click("cmdFPArr");
    ASSERT_TRUE(state().Sheet.has_value());
    for (const auto& [name, text] : *state().Sheet) {
        EXPECT_EQ(text, name == "LblAircId" ? "AZA790" : "") << name;
    }
    EXPECT_EQ(state().Sheet->size(), 20u);
}

// An analysis that did not find its aircraft keeps the previous aircraft's plan; the sheet of
// the newly selected aircraft must not show it.
TEST_F(FlightPlanSheetTest, APlanOfAnotherAircraftOfTheSameSideIsNotShown) {
    state().SelectedDepartureCallsign = "BAW12";
    app->click("cmdFPDep");
    EXPECT_EQ(shown("LblAircId"), "BAW12");
    EXPECT_EQ(shown("LblTO"), "");
    EXPECT_EQ(shown("lblRoute"), "");
}

TEST_F(FlightPlanSheetTest, LoggedCallsignKeepsItsTrailingSpacesAndItsPlan) {
    state().SelectedDepartureCallsign = "DLH4AB    ";
    app->click("cmdFPDep");
    EXPECT_EQ(shown("LblAircId"), "DLH4AB    ");
    EXPECT_EQ(shown("LblTO"), "A320");
}

TEST_F(FlightPlanSheetTest, EachOpeningIsFilledAfresh) {
    app->click("cmdFPDep");
    app->closeSheet();
    state().DeparturePlan->Record.Route = "DCT BOMBI";
    state().DeparturePlan->Level = "F380";
    app->click("cmdFPDep");
    EXPECT_EQ(shown("lblRoute"), "DCT BOMBI");
    EXPECT_EQ(shown("LblLevel"), "F380");
}

TEST_F(FlightPlanSheetTest, KindIsEmptyUntilASheetOpensAndOneAfterItCloses) {
    EXPECT_FALSE(state().FlightPlanKind.has_value());
    app->click("cmdFPDep");
    EXPECT_EQ(state().FlightPlanKind, std::optional<std::int16_t>(0));
    app->closeSheet();
    EXPECT_EQ(state().FlightPlanKind, std::optional<std::int16_t>(1));
    EXPECT_FALSE(state().Sheet.has_value());
    app->click("cmdFPArr");
    EXPECT_EQ(state().FlightPlanKind, std::optional<std::int16_t>(1));
    app->closeSheet();
    EXPECT_EQ(state().FlightPlanKind, std::optional<std::int16_t>(1));
    app->click("cmdFPDep");
    EXPECT_EQ(state().FlightPlanKind, std::optional<std::int16_t>(0));
}

TEST_F(FlightPlanSheetTest, DisabledButtonsOpenNoSheet) {
    window().cmdFPDep.enabled = false;
    EXPECT_EQ(app->click("cmdFPDep"), ActionResult::Ignored);
    EXPECT_FALSE(state().Sheet.has_value());
    EXPECT_FALSE(state().FlightPlanKind.has_value());
}

TEST_F(FlightPlanSheetTest, ClosingReactivatesTheWindowWithoutEmptyingTheOperatorName) {
    type("TxtOperatorName", "jane doe");
    state().CentreMode = true;
    state().FolderSelector = 1;
    app->click("cmdFPDep");
    EXPECT_EQ(app->closeSheet(), ActionResult::Done);
    EXPECT_EQ(window().TxtOperatorName.text, "JANE DOE");
    EXPECT_EQ(state().FolderSelector, 1);
    EXPECT_FALSE(state().CentreMode);  // every activation clears it
}

// Before any sheet was closed, an activation still does its first-activation work: the
// counterpart of the test above, showing that it is the close that protects the name.
TEST_F(FlightPlanSheetTest, ActivationBeforeAnySheetEmptiesTheOperatorName) {
    type("TxtOperatorName", "jane doe");
    app->activate();
    EXPECT_EQ(window().TxtOperatorName.text, "");
}

TEST_F(FlightPlanSheetTest, ADepartureSheetOpenedFirstStillLeavesTheNameAfterClosing) {
    type("TxtOperatorName", "x");
    app->click("cmdFPDep");  // FlightPlanKind is 0 while it is open
    app->closeSheet();
    app->activate();
    EXPECT_EQ(window().TxtOperatorName.text, "X");
}

TEST_F(FlightPlanSheetTest, LabelsFollowTheKindWithoutOpening) {
    state().FlightPlanKind = FlightPlanSheet::kArrival;
    EXPECT_EQ(FlightPlanSheet::labels(state()).front().second, "AZA790");
    state().FlightPlanKind.reset();
    EXPECT_EQ(FlightPlanSheet::labels(state()).front().second, "DLH4AB");
}

}  // namespace
}  // namespace corvane
