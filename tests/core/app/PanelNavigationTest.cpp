#include "support/AppFixture.h"

namespace corvane {
namespace {

using test::AppFixture;

struct DispatchCase {
    int index;
    WindowLayout layout;
    bool metar;
    bool sid;
    bool star;
};

class Dispatch : public AppFixture, public ::testing::WithParamInterface<DispatchCase> {};

TEST_P(Dispatch, ExpandsAndShowsOnlyThePanelOfTheButton) {
    start();
    for (const int index : MainWindowModel::kCommandIndices) {
        window().command(index).enabled = true;
    }
    window().FraSid.visible = true;  // a panel shown before
    app->click("Command3(" + std::to_string(GetParam().index) + ")");
    EXPECT_EQ(window().layout, GetParam().layout);
    EXPECT_EQ(window().FraMetar.visible, GetParam().metar);
    EXPECT_EQ(window().FraSid.visible, GetParam().sid);
    EXPECT_EQ(window().FraStar.visible, GetParam().star);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, Dispatch,
    ::testing::Values(DispatchCase{0, WindowLayout::Expanded, true, false, false},
                      DispatchCase{1, WindowLayout::Expanded, false, true, false},
                      DispatchCase{3, WindowLayout::Expanded, false, false, true},
                      DispatchCase{9, WindowLayout::Collapsed, false, true, false},
                      DispatchCase{6, WindowLayout::Collapsed, false, true, false},
                      DispatchCase{5, WindowLayout::Collapsed, false, true, false}));

TEST_F(AppFixture, ResetSubWindowThenAtisShowsOnlyTheAtisPanel) {
    start();
    for (const int index : MainWindowModel::kCommandIndices) {
        window().command(index).enabled = true;
    }
    app->click("Command3(1)");
    app->click("Command3(9)");
    EXPECT_EQ(window().layout, WindowLayout::Collapsed);
    EXPECT_TRUE(window().FraSid.visible);
    app->click("Command3(0)");
    EXPECT_EQ(window().layout, WindowLayout::Expanded);
    EXPECT_EQ(window().height, 5200);
    EXPECT_TRUE(window().FraMetar.visible);
    EXPECT_FALSE(window().FraSid.visible);
}

TEST_F(AppFixture, ApproachPanelCopiesTheCurrentCode) {
    start();
    window().command(3).enabled = true;
    window().LblSquawk.text = "2301";
    window().LblSqArr.text = "old";
    app->click("Command3(3)");
    EXPECT_EQ(window().LblSqArr.text, "2301");
    window().LblSquawk.text.clear();  // a centre loads no range
    app->click("Command3(3)");
    EXPECT_EQ(window().LblSqArr.text, "");
}

TEST_F(AppFixture, ADisabledButtonDoesNothing) {
    start();
    EXPECT_EQ(app->click("Command3(0)"), ActionResult::Ignored);
    EXPECT_EQ(window().layout, WindowLayout::Collapsed);
    EXPECT_FALSE(window().FraMetar.visible);
    EXPECT_EQ(app->click("Command3(2)"), ActionResult::UnknownControl);
}

}  // namespace
}  // namespace corvane
