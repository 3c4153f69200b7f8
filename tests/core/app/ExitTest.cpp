#include "support/AppFixture.h"

namespace corvane {
namespace {

using test::AppFixture;

class ExitTest : public AppFixture {
protected:
    void SetUp() override {
        start();
        home.write("DATA/departure.txt", "A\r\n");
        home.write("DATA/arrival.txt", "B\r\n");
    }
};

TEST_F(ExitTest, ExitWithYesEndsAndDeletesTheLogs) {
    platform.answers.push_back(true);
    app->click("Command3(8)");
    EXPECT_FALSE(state().running);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "ARE YOU SURE ?");
    EXPECT_EQ(platform.messages[0].title, "EXIT");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(home.exists("DATA/departure.txt"));
    EXPECT_FALSE(home.exists("DATA/arrival.txt"));
}

TEST_F(ExitTest, ExitWithNoKeepsRunningCollapsedWithTheLogs) {
    platform.answers.push_back(false);
    app->click("Command3(8)");
    EXPECT_TRUE(state().running);
    EXPECT_EQ(window().layout, WindowLayout::Collapsed);
    EXPECT_TRUE(home.exists("DATA/departure.txt"));
}

TEST_F(ExitTest, CloseRequestAnsweredNoIsRefused) {
    platform.answers.push_back(false);
    EXPECT_FALSE(app->requestClose());
    EXPECT_TRUE(state().running);
    EXPECT_TRUE(home.exists("DATA/arrival.txt"));
}

TEST_F(ExitTest, CloseRequestAnsweredYesEndsAndDeletesTheLogs) {
    platform.answers.push_back(true);
    EXPECT_TRUE(app->requestClose());
    EXPECT_FALSE(state().running);
    EXPECT_FALSE(home.exists("DATA/departure.txt"));
    EXPECT_FALSE(home.exists("DATA/arrival.txt"));
}

}  // namespace
}  // namespace corvane
