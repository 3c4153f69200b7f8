#include <set>

#include "app/ConnectionReset.h"
#include "support/AppFixture.h"

namespace corvane {
namespace {

using test::AppFixture;

class ConnectionResetTest : public AppFixture {
protected:
    // A window as a connect and some work leave it.
    void fillEverything() {
        start();
        for (const int index : MainWindowModel::kCommandIndices) {
            window().command(index).enabled = true;
        }
        window().TxtOperatorName.enabled = false;
        state().SnapshotPath = "/radar/recent.dat";
        state().ProcFolder = "/procedures";
        for (Label* label : window().labels()) {
            label->text = "x";
        }
        for (TextBox* box : window().textBoxes()) {
            box->text = "x";
        }
        for (ListBox* list : window().lists()) {
            list->add("item");
            list->selected = 0;
        }
        for (ComboBox* combo : window().combos()) {
            combo->add("item");
            combo->select(0);
        }
        window().FraSid.visible = true;
        window().fraILS.visible = true;
        window().Timer1.enabled = true;
        window().Timer2.enabled = true;
        window().lblParam.backColour = colour::kRed;
        window().lblParam.visible = false;
        window().cmdFPDep.enabled = true;
        app->click("Command3(1)");
    }
};

TEST_F(ConnectionResetTest, EmptiesStationAndPanelsButKeepsTheListedExceptions) {
    fillEverything();
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
    EXPECT_EQ(state().SnapshotPath, "");
    EXPECT_EQ(state().ProcFolder, "/procedures");
    EXPECT_TRUE(window().fraILS.visible);
    EXPECT_TRUE(window().cmdFPDep.enabled);
}

TEST_F(ConnectionResetTest, ReturnsToTheNotConnectedState) {
    fillEverything();
    app->click("Command3(7)");
    EXPECT_EQ(window().layout, WindowLayout::Collapsed);
    EXPECT_FALSE(window().FraSid.visible || window().FraMetar.visible || window().FraStar.visible);
    EXPECT_TRUE(window().TxtOperatorName.enabled);
    EXPECT_EQ(window().focus, "TxtOperatorName");
    EXPECT_FALSE(window().CmdExecute.enabled);
    for (const int index : {0, 1, 3, 7, 9}) {
        EXPECT_FALSE(window().command(index).enabled) << index;
    }
    for (const int index : {5, 6, 8}) {
        EXPECT_TRUE(window().command(index).enabled) << index;
    }
}

TEST_F(ConnectionResetTest, StopsTheBlinkAndLeavesTheWarningEmptyAndYellow) {
    fillEverything();
    app->click("Command3(7)");
    EXPECT_FALSE(window().Timer1.enabled);
    EXPECT_FALSE(window().Timer2.enabled);
    EXPECT_EQ(window().lblParam.backColour, colour::kYellow);
    EXPECT_EQ(window().lblParam.text, "");
    EXPECT_FALSE(window().lblParam.visible);  // as the blink left it
}

TEST_F(ConnectionResetTest, DeletesBothClearanceLogs) {
    fillEverything();
    home.write("DATA/departure.txt", "ABC12  /X/P\r\n");
    home.write("DATA/arrival.txt", "DEF34  /Y/Q\r\n");
    home.write("DATA/dirRecent.txt", "/radar/recent.dat\r\n");
    app->click("Command3(7)");
    EXPECT_FALSE(home.exists("DATA/departure.txt"));
    EXPECT_FALSE(home.exists("DATA/arrival.txt"));
    EXPECT_TRUE(home.exists("DATA/dirRecent.txt"));
}

TEST_F(ConnectionResetTest, ResetWithoutConnectTouchesNoFile) {
    start();
    window().command(7).enabled = true;
    type("TxtOperatorName", "jane");
    app->click("Command3(7)");
    EXPECT_EQ(window().TxtOperatorName.text, "");
    EXPECT_EQ(window().layout, WindowLayout::Collapsed);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace corvane
