#include "support/AppFixture.h"

namespace corvane {
namespace {

using test::AppFixture;

class StartupSequence : public AppFixture {};

TEST_F(StartupSequence, OpensCollapsedOnTopWithOnlyTheUsableButtons) {
    start();
    EXPECT_TRUE(state().running);
    EXPECT_EQ(window().layout, WindowLayout::Collapsed);
    EXPECT_EQ(window().width, 19360);
    EXPECT_EQ(window().height, 1530);
    EXPECT_EQ(window().left, 0);
    EXPECT_EQ(window().top, 0);
    EXPECT_TRUE(window().topMost);
    EXPECT_EQ(window().focus, "TxtOperatorName");
    for (const int index : {0, 1, 3, 7, 9}) {
        EXPECT_FALSE(window().command(index).enabled) << index;
    }
    for (const int index : {5, 6, 8}) {
        EXPECT_TRUE(window().command(index).enabled) << index;
    }
    EXPECT_TRUE(window().TxtOperatorName.enabled);
    EXPECT_FALSE(window().CmdExecute.enabled);
    EXPECT_FALSE(window().FraMetar.visible || window().FraSid.visible || window().FraStar.visible);
    EXPECT_FALSE(window().Timer1.enabled || window().Timer2.enabled);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartupSequence, AcceptsExactly1024By768Pixels) {
    platform.screen = {1024LL * 15, 768LL * 15};
    start();
    EXPECT_TRUE(state().running);
}

TEST_F(StartupSequence, FewerTwipsPerPixelFailTheSamePixelCount) {
    // 1024 x 768 pixels at 150 % scaling: 10 twips per pixel.
    platform.screen = {1024LL * 10, 768LL * 10};
    start();
    EXPECT_FALSE(state().running);
}

TEST_F(StartupSequence, ASmallScreenEndsTheProgramAfterItsMessage) {
    platform.screen = {1023LL * 15, 768LL * 15};
    start();
    EXPECT_FALSE(state().running);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Il programma \xC3\xA8 ottimizzato per una risoluzione dello schermo di 1024 per "
              "768\rPixel, o superiore.\rPrego aumentare la risoluzione.");
    EXPECT_EQ(platform.messages[0].title, "APPROACH CORVANE");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
}

TEST_F(StartupSequence, LaterActivationsKeepTheOperatorNameOnceASheetWasClosed) {
    start();
    type("TxtOperatorName", "jane");
    state().CentreMode = true;
    state().FlightPlanKind = 1;
    state().FolderSelector = 1;
    app->activate();
    EXPECT_EQ(window().TxtOperatorName.text, "JANE");
    EXPECT_EQ(state().FolderSelector, 1);
    EXPECT_FALSE(state().CentreMode);
}

TEST_F(StartupSequence, ActivationWhileTheSheetKindIsDepartureClearsTheName) {
    start();
    type("TxtOperatorName", "jane");
    state().FlightPlanKind = 0;
    window().focus = "LstDeparture";
    app->activate();
    EXPECT_EQ(window().TxtOperatorName.text, "");
    EXPECT_EQ(window().focus, "TxtOperatorName");
}

TEST_F(StartupSequence, TimerTicksToggleOnlyWhileEnabled) {
    start();
    EXPECT_EQ(app->tick("Timer1"), ActionResult::Ignored);
    EXPECT_TRUE(window().lblParam.visible);
    window().Timer1.enabled = true;
    app->tick("Timer1");
    EXPECT_FALSE(window().lblParam.visible);
    app->tick("Timer1");
    EXPECT_TRUE(window().lblParam.visible);
    window().Timer2.enabled = true;
    app->tick("Timer2");
    EXPECT_FALSE(window().lblParArr.visible);
    EXPECT_TRUE(window().lblParam.visible);
}

}  // namespace
}  // namespace corvane
