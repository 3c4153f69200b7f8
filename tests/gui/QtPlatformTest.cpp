// The real Qt message boxes and the close request, answered from the test.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <iostream>
#include <sstream>
#include <string>

#include "GuiFixture.h"
#include "UiText.h"

namespace corvane::test {
namespace {

/// Answers the next message box that opens with `button`, noting what it showed.
struct MessageBoxAnswerer {
    explicit MessageBoxAnswerer(QMessageBox::StandardButton pressing) : button(pressing) {}

    QMessageBox::StandardButton button;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QSize size;
    bool aboveOwner = false;
    bool seen = false;

    void arm() {
        QTimer::singleShot(50, [this] { answer(); });
    }
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            arm();  // not open yet
            return;
        }
        seen = true;
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        size = box->frameGeometry().size();
        aboveOwner =
            box->windowFlags().testFlag(Qt::WindowStaysOnTopHint) && box->parentWidget() != nullptr;
        box->button(button)->click();
    }
};

class QtMessageBoxTest : public GuiFixture {
protected:
    QtMessageBoxTest() { platform.setMessageHandler(nullptr); }
};

TEST_F(QtMessageBoxTest, ExitAsksWithAQuestionBoxAndNoKeepsTheProgram) {
    start();
    MessageBoxAnswerer no(QMessageBox::No);
    no.arm();
    click("Command3(8)");
    ASSERT_TRUE(no.seen);
    EXPECT_EQ(no.text, QStringLiteral("ARE YOU SURE ?"));
    EXPECT_EQ(no.title, QStringLiteral("EXIT"));
    EXPECT_EQ(no.icon, QMessageBox::Question);
    EXPECT_EQ(no.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(no.aboveOwner);
    EXPECT_FALSE(ended);
    EXPECT_TRUE(window->isVisible());

    MessageBoxAnswerer yes(QMessageBox::Yes);
    yes.arm();
    click("Command3(8)");
    ASSERT_TRUE(yes.seen);
    EXPECT_TRUE(ended);
}

TEST_F(QtMessageBoxTest, AWarningHasTheExclamationIconAndOk) {
    MessageBoxAnswerer ok(QMessageBox::Ok);
    ok.arm();
    EXPECT_EQ(platform.showMessage("PAY ATTENTION!!! TEST\rSECOND LINE", "",
                                   MessageIcon::Exclamation, MessageButtons::Ok),
              MessageAnswer::Ok);
    ASSERT_TRUE(ok.seen);
    EXPECT_EQ(ok.icon, QMessageBox::Warning);
    EXPECT_EQ(ok.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(ok.text, QStringLiteral("PAY ATTENTION!!! TEST\nSECOND LINE"));
}

TEST_F(QtMessageBoxTest, AFourMegabyteMessageIsShortenedInTheMiddleAndItsBoxFitsTheScreen) {
    const std::string path = "/radar/" + std::string(4 * 1024 * 1024, 'd') + "/recent.dat";
    const std::string text = "PAY ATTENTION!!! THE TRAFFIC FILE " + path + " CANNOT BE READ";
    std::ostringstream errors;
    std::streambuf* const standardError = std::cerr.rdbuf(errors.rdbuf());
    MessageBoxAnswerer ok(QMessageBox::Ok);
    ok.arm();
    platform.showMessage(text, "", MessageIcon::Exclamation, MessageButtons::Ok);
    std::cerr.rdbuf(standardError);
    ASSERT_TRUE(ok.seen);
    EXPECT_EQ(UiText::toModel(ok.text.remove(QChar(0x200B))),
              text.substr(0, 240) + "..." + text.substr(text.size() - 157));
    EXPECT_LE(ok.size.width(), 1280);
    EXPECT_LE(ok.size.height(), 1024);
    EXPECT_EQ(errors.str(), "corvane: " + text + "\n");
}

class CloseRequestTest : public GuiFixture {};

TEST_F(CloseRequestTest, NoKeepsTheWindowOpen) {
    start();
    answers.push_back(false);
    EXPECT_FALSE(window->close());
    settle();
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].text, "ARE YOU SURE ?");
    EXPECT_EQ(messages[0].title, "EXIT");
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(ended);
}

TEST_F(CloseRequestTest, YesEndsTheProgram) {
    start();
    answers.push_back(true);
    EXPECT_TRUE(window->close());
    settle();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(controller->state().running);
}

TEST(QtPlatformFolderTest, TheFolderBrowserAnswersAPathOrNothing) {
    QtPlatform platform;
    platform.setFolderHandler([](const std::string& prompt) -> std::optional<std::string> {
        if (prompt.empty()) {
            return std::nullopt;
        }
        return "/chosen/" + prompt;
    });
    EXPECT_EQ(platform.browseForFolder("x"), std::optional<std::string>("/chosen/x"));
    EXPECT_EQ(platform.browseForFolder(""), std::nullopt);
}

TEST(UiTextTest, ShowsUtf8AndBreaksLinesAtCarriageReturns) {
    EXPECT_EQ(UiText::show("Z\xC3\xBCrich"), QStringLiteral("Zürich"));
    EXPECT_EQ(UiText::show("A\r\nB\rC"), QStringLiteral("A\nB\nC"));
    EXPECT_EQ(UiText::show("\xC3\x86 \xC2\xB0 \xC3\x98 \xE2\x80\x93"), QStringLiteral("Æ ° Ø –"));
    EXPECT_EQ(UiText::toModel(QStringLiteral("Köhler")), "K\xC3\xB6hler");
}

}  // namespace
}  // namespace corvane::test
