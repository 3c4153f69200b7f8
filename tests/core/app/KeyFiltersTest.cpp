#include "app/KeyFilters.h"
#include "support/AppFixture.h"

namespace corvane {
namespace {

using test::AppFixture;

struct TypingCase {
    const char* control;
    const char* keys;
    const char* expected;
};

class Typing : public AppFixture, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, KeysPassThroughTheControlsFilterAndLimit) {
    start();
    type(GetParam().control, GetParam().keys);
    EXPECT_EQ(window().textBox(GetParam().control)->text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, Typing,
                         ::testing::Values(TypingCase{"TxtOperatorName", "ab1", "AB1"},
                                           TypingCase{"TxtOperatorName", "jane doe", "JANE DOE"},
                                           TypingCase{"TxtOperatorName",
                                                      "abcdefghijklmnopqrstuvwxyz0123456789",
                                                      "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"},
                                           TypingCase{"TxtInClimb", "12a3", "123"},
                                           TypingCase{"TxtInClimb", "123456", "12345"},
                                           TypingCase{"txtDescend", "6-0.", "60"},
                                           TypingCase{"TxtInClimb", "12\b3", "13"}));

TEST_F(AppFixture, AnyKeyInTheOperatorNameEnablesConnectBackspaceIncluded) {
    start();
    ASSERT_FALSE(window().CmdExecute.enabled);
    app->keyPress("TxtOperatorName", KeyFilters::kBackspace);
    EXPECT_TRUE(window().CmdExecute.enabled);
    EXPECT_EQ(window().TxtOperatorName.text, "");
}

TEST_F(AppFixture, AccentedLettersPassUnchanged) {
    start();
    app->keyPress("TxtOperatorName", U'\u00e9');
    EXPECT_EQ(window().TxtOperatorName.text, "\xC3\xA9");
}

TEST_F(AppFixture, PastedTextSkipsTheFilterButKeepsTheLimit) {
    start();
    app->paste("TxtOperatorName", "jane doe");
    EXPECT_EQ(window().TxtOperatorName.text, "jane doe");
    EXPECT_FALSE(window().CmdExecute.enabled);
    app->paste("TxtInClimb", "12ab56789");
    EXPECT_EQ(window().TxtInClimb.text, "12ab5");
}

TEST_F(AppFixture, ADisabledTextBoxTakesNoKeys) {
    start();
    window().TxtOperatorName.enabled = false;
    EXPECT_EQ(app->keyPress("TxtOperatorName", 'a'), ActionResult::Ignored);
    EXPECT_EQ(window().TxtOperatorName.text, "");
    EXPECT_EQ(app->keyPress("LblQNH", 'a'), ActionResult::UnknownControl);
}

}  // namespace
}  // namespace corvane
