// What the driver sessions under tests/data/script cannot set up: a screen of other twips per
// pixel, timers and fields set by hand, and a window filled everywhere before the reset.

#include <set>

#include "flightplan/FlightPlanSheet.h"
#include "support/AppFixture.h"
#include "window/ShownText.h"

namespace corvane {
namespace {

using AppOperations = test::AppFixture;

TEST_F(AppOperations, FewerTwipsPerPixelFailTheSamePixelCount) {
    platform.screen = {1024LL * 10, 768LL * 10};  // 150 % scaling
    start();
    EXPECT_FALSE(state().running);
}

TEST_F(AppOperations, ActivationClearsTheCentreModeAndTheNameOnlyWhileNoSheetWasClosed) {
    start();
    type("TxtOperatorName", "jane");
    state().CentreMode = true;
    state().FolderSelector = 1;
    state().SelectedDepartureCallsign = "DLH4AB";
    EXPECT_EQ(FlightPlanSheet::labels(state()).front().second, "DLH4AB");
    state().FlightPlanKind = 1;
    app->activate();
    EXPECT_EQ(window().topStrip.account.text, "JANE");
    EXPECT_EQ(state().FolderSelector, 1);
    EXPECT_FALSE(state().CentreMode);
    state().FlightPlanKind = 0;
    window().focus = "LstDeparture";
    app->activate();
    EXPECT_EQ(window().topStrip.account.text, "");
    EXPECT_EQ(window().focus, "TxtOperatorName");
}

TEST_F(AppOperations, ApproachPanelCopiesEvenAnEmptyCode) {
    start();
    window().topStrip.openArrival.enabled = true;
    preset("LblSqArr", "old");
    app->click("Command3(3)");
    EXPECT_EQ(window().arrival.nextCode.text, "");
}

TEST_F(AppOperations, APasteIntoAComboBoxEndsItsSelection) {
    start();
    ComboBox& sid = window().departure.procedure;
    sid.add("ABC1A");
    sid.add("XYZ2B");
    sid.select(1);
    EXPECT_EQ(app->paste("CmbSid", "ABC1A"), ActionResult::Done);
    EXPECT_EQ(sid.text, "ABC1A");
    EXPECT_EQ(sid.selected, -1);
}

TEST_F(AppOperations, ResetEmptiesEverythingButTheListedExceptions) {
    start();
    for (Button* button : window().topStrip.commands()) {
        button->enabled = true;
    }
    state().ProcFolder = "/procedures";
    for (Label* label : window().labels()) {
        preset(label->name, "x");
    }
    for (TextBox* box : window().textBoxes()) {
        preset(box->name, "x");
    }
    for (ListBox* list : window().lists()) {
        list->add("item");
    }
    for (ComboBox* combo : window().combos()) {
        combo->add("item");
    }
    window().approachDetail.frame.visible = window().departure.frame.visible =
        window().topStrip.connect.enabled = true;
    window().topStrip.account.enabled = false;
    home.write("DATA/departure.txt", "ABC12  /X/P\r\n");
    home.write("DATA/arrival.txt", "DEF34  /Y/Q\r\n");
    home.write("DATA/dirRecent.txt", "/radar/recent.dat\r\n");
    window().departure.messageBlink.enabled = window().arrival.messageBlink.enabled =
        window().departure.showFlightPlan.enabled = true;
    window().departure.message.backColour = window().arrival.message.backColour = colour::kRed;
    window().departure.message.visible = false;
    app->click("Command3(1)");
    window().atis.frame.visible = window().arrival.frame.visible = true;
    window().focus = "LstDeparture";
    app->click("Command3(7)");

    const std::set<std::string> kept = {"lblCtrDep", "lblCtrArr",   "lblRulTum",  "Label6",
                                        "LblAirac",  "lblPosition", "txtInfoPos", "List4",
                                        "lstRulTum", "List5"};
    for (const Label* label : window().labels()) {
        EXPECT_EQ(label->text, kept.count(label->name) ? "x" : "") << label->name;
    }
    for (const TextBox* box : window().textBoxes()) {
        EXPECT_EQ(box->text, kept.count(box->name) ? "x" : "") << box->name;
    }
    for (const ListBox* list : window().lists()) {
        EXPECT_EQ(list->items.empty(), !kept.count(list->name)) << list->name;
    }
    for (const ComboBox* combo : window().combos()) {
        EXPECT_TRUE(combo->items.empty()) << combo->name;
    }
    EXPECT_EQ(state().ProcFolder, "/procedures");
    EXPECT_FALSE(home.exists("DATA/departure.txt") || home.exists("DATA/arrival.txt"));
    EXPECT_TRUE(home.exists("DATA/dirRecent.txt"));
    EXPECT_FALSE(window().departure.frame.visible || window().atis.frame.visible ||
                 window().arrival.frame.visible);
    EXPECT_FALSE(window().topStrip.connect.enabled);
    EXPECT_EQ(window().layout, WindowLayout::Collapsed);
    EXPECT_EQ(window().focus, "TxtOperatorName");
    EXPECT_TRUE(window().topStrip.account.enabled);
    const TopStrip& strip = window().topStrip;
    for (const Button* button : {&strip.openAtis, &strip.openDeparture, &strip.openArrival,
                                 &strip.reset, &strip.collapse}) {
        EXPECT_FALSE(button->enabled) << button->name;
    }
    EXPECT_TRUE(window().approachDetail.frame.visible && window().departure.showFlightPlan.enabled);
    EXPECT_FALSE(window().departure.messageBlink.enabled || window().arrival.messageBlink.enabled ||
                 window().departure.message.visible);
    EXPECT_EQ(window().departure.message.backColour, colour::kYellow);
    EXPECT_EQ(window().arrival.message.backColour, colour::kYellow);
}

}  // namespace
}  // namespace corvane
