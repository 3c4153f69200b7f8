// The splash ends after two seconds, at a key or at a click on its bare area; never twice.
#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "SplashWindow.h"

namespace corvane::test {
namespace {

TEST(SplashWindowTest, EndsByItselfAfterTwoSecondsShowingItsPicture) {
    SplashWindow splash;
    QSignalSpy finished(&splash, &SplashWindow::finished);
    splash.show();
    EXPECT_EQ(splash.size(), QSize(632, 223));  // 9480 x 3345 twips
    EXPECT_FALSE(splash.findChild<QLabel*>(QStringLiteral("Picture2"))->pixmap().isNull());
    QTest::qWait(1500);
    EXPECT_EQ(finished.count(), 0);
    EXPECT_TRUE(finished.wait(1500));
    EXPECT_FALSE(splash.isVisible());
}

TEST(SplashWindowTest, OnlyAKeyOrAClickOnTheBareFrameEndsItAndTheTimerNotAgain) {
    for (const bool byKey : {true, false}) {
        SplashWindow splash;
        QSignalSpy finished(&splash, &SplashWindow::finished);
        splash.show();
        for (const QString name : {"Picture2", "Label1", "Label2", "lblPlatform", "lblVersion"}) {
            QTest::mouseClick(splash.findChild<QWidget*>(name), Qt::LeftButton, {}, QPoint(5, 5));
        }
        EXPECT_EQ(finished.count(), 0);
        if (byKey) {
            QTest::keyClick(&splash, Qt::Key_Space);
        } else {
            QTest::mouseClick(splash.findChild<QWidget*>(QStringLiteral("Frame1")), Qt::LeftButton,
                              {}, QPoint(600, 10));
        }
        EXPECT_EQ(finished.count(), 1);
        QTest::qWait(byKey ? 2300 : 0);
        EXPECT_EQ(finished.count(), 1);
    }
}

}  // namespace
}  // namespace corvane::test
