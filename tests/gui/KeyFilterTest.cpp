// Keys typed into the filtered text boxes reach the logic's key filter; pastes do not.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "GuiFixture.h"

namespace corvane::test {
namespace {

struct KeysCase {
    const char* box;
    const char* keys;
    const char* shown;
};

class KeyFilterTest : public GuiFixture, public ::testing::WithParamInterface<KeysCase> {};

TEST_P(KeyFilterTest, TheLogicDecidesWhatReachesTheText) {
    start();
    const KeysCase& keys = GetParam();
    type(QString::fromUtf8(keys.box), QString::fromUtf8(keys.keys));
    EXPECT_EQ(text(QString::fromUtf8(keys.box)), QString::fromUtf8(keys.shown));
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyFilterTest,
                         ::testing::Values(KeysCase{"TxtOperatorName", "ab1", "AB1"},
                                           KeysCase{"TxtOperatorName", "jane doe", "JANE DOE"},
                                           KeysCase{"TxtOperatorName", "zoë", "ZOë"},
                                           KeysCase{"TxtOperatorName",
                                                    "abcdefghijklmnopqrstuvwxyz0123456789",
                                                    "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"},
                                           KeysCase{"TxtInClimb", "12a3", "123"},
                                           KeysCase{"TxtInClimb", "123456", "12345"},
                                           KeysCase{"txtDescend", "6 0-0.0", "6000"},
                                           KeysCase{"txtDescend", "x", ""}),
                         [](const auto& param) { return "Case" + std::to_string(param.index); });

class KeyPressTest : public GuiFixture {};

TEST_F(KeyPressTest, AnyKeyInTheOperatorNameEnablesConnect) {
    start();
    EXPECT_FALSE(widget("CmdExecute")->isEnabled());
    QTest::keyClick(widget("TxtOperatorName"), Qt::Key_Backspace);
    settle();
    EXPECT_TRUE(widget("CmdExecute")->isEnabled());
}

TEST_F(KeyPressTest, BackspaceTakesTheLastCharacter) {
    start();
    type("TxtOperatorName", QStringLiteral("abc"));
    QTest::keyClick(widget("TxtOperatorName"), Qt::Key_Backspace);
    settle();
    EXPECT_EQ(text("TxtOperatorName"), QStringLiteral("AB"));
}

TEST_F(KeyPressTest, APasteIsNotFiltered) {
    start();
    QApplication::clipboard()->setText(QStringLiteral("jane doe"));
    if (QApplication::clipboard()->text() != QStringLiteral("jane doe")) {
        GTEST_SKIP() << "this platform has no clipboard";
    }
    QLineEdit* box = lineEdit("TxtOperatorName");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    settle();
    EXPECT_EQ(text("TxtOperatorName"), QStringLiteral("jane doe"));
    EXPECT_EQ(controller->window().TxtOperatorName.text, "jane doe");
}

TEST_F(KeyPressTest, EnterConnectsOnlyOnceConnectIsEnabled) {
    start();
    QTest::keyClick(widget("TxtOperatorName"), Qt::Key_Return);
    settle();
    EXPECT_TRUE(messages.empty());
    type("TxtOperatorName", QStringLiteral("nobody"));
    QTest::keyClick(widget("TxtOperatorName"), Qt::Key_Return);
    settle();
    // The connect ran: without a chosen data folder it asks for the snapshot.
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(text("TxtOperatorName"), QString());
}

class CopyTest : public GuiFixture, public ::testing::WithParamInterface<const char*> {};

// Controllers paste the clearance and its procedure into the radar client's chat.
TEST_P(CopyTest, TheClearanceTextsCanBeSelectedAndCopied) {
    start();
    QWidget* field = widget(QString::fromUtf8(GetParam()));
    if (auto* shown = qobject_cast<QLabel*>(field)) {
        shown->setText(QStringLiteral("SOME AIR 12 CLEAR TO DEST LIRF"));
    } else {
        qobject_cast<QPlainTextEdit*>(field)->setPlainText(
            QStringLiteral("SOME AIR 12 CLEAR TO DEST LIRF"));
    }
    QApplication::clipboard()->clear();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("SOME AIR 12 CLEAR TO DEST LIRF"));
}

INSTANTIATE_TEST_SUITE_P(Fields, CopyTest,
                         ::testing::Values("LblIfrSid", "lblIfrStar", "txtSidAss", "txtStarAss"));

}  // namespace
}  // namespace corvane::test
