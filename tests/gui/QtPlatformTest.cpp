// The real Qt message boxes and the window's close request, answered from the test.
// The window's --feed mode: corvane-feed runs beside it and its outages reach the user as one
// message box each. The reader reads a saved document here, never the network.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <iostream>
#include <sstream>

#include "GuiFixture.h"
#include "LiveFeedProcess.h"
#include "QuitOnSignal.h"
#include "UiText.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

namespace corvane::test {
namespace {

/// Answers the next message box that opens with `button`, noting what it showed.
struct MessageBoxAnswerer {
    explicit MessageBoxAnswerer(QMessageBox::StandardButton pressing) : button(pressing) {}

    QMessageBox::StandardButton button;
    QMessageBox* seen = nullptr;
    QString text;
    QRect frame;
    bool aboveOwner = false;

    void arm() {
        QTimer::singleShot(50, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                arm();  // not open yet
                return;
            }
            seen = box;
            text = box->text();
            frame = box->frameGeometry();
            aboveOwner = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
                         box->parentWidget() != nullptr;
            EXPECT_EQ(box->standardButtons(), button == QMessageBox::Ok
                                                  ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                                  : QMessageBox::Yes | QMessageBox::No);
            EXPECT_EQ(box->icon(),
                      button == QMessageBox::Ok ? QMessageBox::Warning : QMessageBox::Question);
            box->button(button)->click();
        });
    }
};

class QtMessageBoxTest : public GuiFixture {
protected:
    QtMessageBoxTest() { platform.setMessageHandler(nullptr); }
};

TEST_F(QtMessageBoxTest, ExitAsksAboveTheWindowAndNoKeepsTheProgram) {
    start();
    MessageBoxAnswerer no(QMessageBox::No);
    no.arm();
    click("Command3(8)");
    ASSERT_NE(no.seen, nullptr);
    EXPECT_EQ(no.text, QStringLiteral("ARE YOU SURE ?"));
    EXPECT_TRUE(no.aboveOwner);
    EXPECT_FALSE(ended);
    MessageBoxAnswerer yes(QMessageBox::Yes);
    yes.arm();
    click("Command3(8)");
    EXPECT_TRUE(ended);
}

TEST_F(QtMessageBoxTest, AWarningBreaksLinesAndAFourMegabyteOneIsShortenedToFitTheScreen) {
    MessageBoxAnswerer ok(QMessageBox::Ok);
    ok.arm();
    platform.showMessage("PAY ATTENTION!!! TEST\rSECOND LINE", "", MessageIcon::Exclamation,
                         MessageButtons::Ok);
    EXPECT_EQ(ok.text, QStringLiteral("PAY ATTENTION!!! TEST\nSECOND LINE"));
    const std::string text = "PAY ATTENTION!!! /radar/" + std::string(4 << 20, 'd') + " UNREAD";
    std::ostringstream errors;
    std::streambuf* const standardError = std::cerr.rdbuf(errors.rdbuf());
    ok.arm();
    platform.showMessage(text, "", MessageIcon::Exclamation, MessageButtons::Ok);
    std::cerr.rdbuf(standardError);
    EXPECT_EQ(UiText::toModel(ok.text.remove(QChar(0x200B))),
              text.substr(0, 240) + "..." + text.substr(text.size() - 157));
    EXPECT_LE(ok.frame.width(), 1280);
    EXPECT_LE(ok.frame.height(), 1024);
    EXPECT_EQ(errors.str(), "corvane: " + text + "\n");  // whole on the terminal
}

class CloseRequestTest : public GuiFixture {};

TEST_F(CloseRequestTest, NoKeepsTheWindowOpenAndYesEndsTheProgram) {
    start();
    answers = {false, true};
    EXPECT_FALSE(window->close());
    settle();
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].text, "ARE YOU SURE ?");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->close());
    settle();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(window->isVisible());
}

TEST(UiTextTest, ShowsUtf8AndBreaksLinesAtCarriageReturns) {
    EXPECT_EQ(UiText::show("Z\xC3\xBCrich A\r\nB\rC"), QStringLiteral("Zürich A\nB\nC"));
    EXPECT_EQ(UiText::show("\xC3\x86 \xC2\xB0 \xE2\x80\x93"), QStringLiteral("Æ ° –"));
    EXPECT_EQ(UiText::toModel(QStringLiteral("Köhler")), "K\xC3\xB6hler");
}

// Ended from outside, the window leaves through its event loop like a normal end, so the live
// feed reader is stopped; without the handler the signal would end this test program.
TEST(QuitOnSignal, ATerminationSignalEndsTheEventLoop) {
    const QuitOnSignal quitOnSignal;
    QTimer sendSignal;
    sendSignal.setSingleShot(true);
    QObject::connect(&sendSignal, &QTimer::timeout, [] { std::raise(SIGTERM); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    sendSignal.start(0);
    giveUp.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST(LiveFeedProcess, WritesTheSnapshotAndWarnsOncePerOutage) {
    const std::string feed = CORVANE_GUI_TEST_DATA "/../feed/";
    test::TempFolder folder;
    test::FakePlatform platform;
    folder.write("whazzup.json", "{");
    LiveFeedProcess process(
        platform, QString::fromStdString(folder.file("live/recent.dat")),
        {QStringLiteral("--from"), QString::fromStdString(folder.file("whazzup.json")),
         QStringLiteral("--interval"), QStringLiteral("1"), QStringLiteral("--airports"),
         QString::fromStdString(feed + "airports.csv")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !platform.messages.empty(); }, 5000));
    folder.write("whazzup.json", test::readFileBytes(feed + "whazzup.json"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return folder.exists("live/recent.dat"); }, 5000));
    folder.write("whazzup.json", "not json");
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform.messages.size() == 2; }, 5000));
    const std::string warning =
        "PAY ATTENTION!!! THE LIVE IVAO FEED IS UNAVAILABLE (the feed is not a JSON document). "
        "THE LAST TRAFFIC SNAPSHOT STAYS IN USE";
    EXPECT_EQ(platform.messageTexts(), (std::vector<std::string>{warning, warning}));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(folder.read("live/recent.dat"), test::readFileBytes(feed + "recent.golden.dat"));
}

}  // namespace
}  // namespace corvane::test
