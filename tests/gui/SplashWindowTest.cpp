// The splash ends after two seconds, at a key or at a click on its bare area; never twice.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "SplashWindow.h"
#include "Twips.h"

namespace corvane::test {
namespace {

TEST(SplashWindowTest, ShowsTheProductNameVersionAndPicture) {
    SplashWindow splash;
    EXPECT_EQ(splash.size(), QSize(632, 223));  // 9480 x 3345 twips
    auto text = [&splash](const char* name) {
        auto* label = splash.findChild<QLabel*>(QString::fromUtf8(name));
        return label != nullptr ? label->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(text("Label2"), QStringLiteral("ATC"));
    EXPECT_EQ(text("Label1"), QStringLiteral("CORVANE"));
    EXPECT_EQ(text("lblPlatform"), QStringLiteral("Piattaforma Windows"));
    EXPECT_EQ(text("lblVersion"), QStringLiteral("Versione 2.0"));
    auto* picture = splash.findChild<QLabel*>(QStringLiteral("Picture2"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->geometry(), Twips::rect(120, 480, 4215, 2775));
    EXPECT_FALSE(picture->pixmap().isNull());
}

TEST(SplashWindowTest, EndsByItselfAfterTwoSeconds) {
    SplashWindow splash;
    QSignalSpy finished(&splash, &SplashWindow::finished);
    splash.show();
    QTest::qWait(1500);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(finished.wait(1500));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(splash.isVisible());
}

TEST(SplashWindowTest, AKeyEndsItAtOnceAndTheTimerNotAgain) {
    SplashWindow splash;
    QSignalSpy finished(&splash, &SplashWindow::finished);
    splash.show();
    QTest::keyClick(&splash, Qt::Key_Space);
    EXPECT_EQ(finished.count(), 1);
    QTest::qWait(2300);
    EXPECT_EQ(finished.count(), 1);
}

TEST(SplashWindowTest, AClickOnTheBareFrameEndsIt) {
    SplashWindow splash;
    QSignalSpy finished(&splash, &SplashWindow::finished);
    splash.show();
    auto* frame = splash.findChild<QWidget*>(QStringLiteral("Frame1"));
    ASSERT_NE(frame, nullptr);
    QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, QPoint(600, 10));
    EXPECT_EQ(finished.count(), 1);
}

TEST(SplashWindowTest, ClicksOnThePictureOrALabelDoNothing) {
    SplashWindow splash;
    QSignalSpy finished(&splash, &SplashWindow::finished);
    splash.show();
    for (const char* name : {"Picture2", "Label1", "Label2", "lblPlatform", "lblVersion"}) {
        auto* child = splash.findChild<QWidget*>(QString::fromUtf8(name));
        ASSERT_NE(child, nullptr) << name;
        QTest::mouseClick(child, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    }
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(splash.isVisible());
}

}  // namespace
}  // namespace corvane::test
