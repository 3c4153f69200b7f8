// The forms as they stand, from tests/data/gui/layout.tsv: the main window after start, the
// splash and the flight plan sheet. Then the window's own place, and a screen too small for it.
// The splash ends after two seconds, at a key or at a click on its bare area; never twice.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "FlightPlanSheetDialog.h"
#include "GuiFixture.h"
#include "SplashWindow.h"
#include "support/CaseName.h"

namespace corvane::test {
namespace {

const std::vector<CaseRow> kRows = caseTable("gui/layout.tsv");

class LayoutTest : public GuiFixture, public ::testing::WithParamInterface<CaseRow> {};

TEST_P(LayoutTest, MatchesTheForm) {
    FlightPlanSheetDialog::Values values;
    for (const CaseRow& row : kRows) {
        if (row[0] == "sheet value") {
            values.emplace_back(row[1], row[2]);
        }
    }
    FlightPlanSheetDialog sheet(values, nullptr);
    SplashWindow splash;
    start();
    const QStringList row = fields(GetParam());
    const QString form = row.value(0).section(u' ', 0, 0);
    const std::string what = row.value(0).section(u' ', 1).toStdString();
    const QString control = row.value(1);
    const QString expected = row.value(2);
    QWidget* shown = window.get();
    if (form != u"window") {
        shown = form == u"sheet" ? static_cast<QWidget*>(&sheet) : &splash;
    }
    if (what == "count") {
        int count = 0;
        for (const QLabel* label : shown->findChildren<QLabel*>()) {
            count += label->text() == control ? 1 : 0;
        }
        EXPECT_EQ(QString::number(count), expected);
        return;
    }
    auto* field = shown->findChild<QWidget*>(control);
    ASSERT_NE(field, nullptr) << control.toStdString();
    const QRect r = field->geometry();
    if (what == "colour") {
        const bool painted =
            field->autoFillBackground() || qobject_cast<QAbstractScrollArea*>(field);
        EXPECT_EQ(painted ? background(field).name() : QStringLiteral("none"), expected);
    } else if (what == "geometry") {
        EXPECT_EQ(
            QStringLiteral("%1,%2,%3,%4 ").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()) +
                (field->isVisibleTo(shown) ? "shown" : "hidden"),
            expected);
    } else if (what == "tooltip") {
        EXPECT_EQ(field->toolTip(), expected);
    } else if (what == "enabled") {
        EXPECT_EQ(field->isEnabled() ? "yes" : "no", expected);
    } else {
        EXPECT_EQ(textOf(field), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, LayoutTest, ::testing::ValuesIn(kRows), caseName<CaseRow>);

class MainWindowLayoutTest : public GuiFixture {};

TEST_F(MainWindowLayoutTest, StartsCollapsedAtTheTopLeftAlwaysOnTopWithTheAccountFocused) {
    start();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("APPROACH CORVANE"));
    EXPECT_EQ(window->pos(), QPoint(0, 0));
    EXPECT_EQ(window->size(), QSize(1291, 80));  // 19360 x 1530 twips less the title bar
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->focusWidget(), widget("TxtOperatorName"));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MainWindowLayoutTest, ASmallScreenEndsTheProgramWithoutShowingTheWindow) {
    platform.setScreenOverride(QtPlatform::twipsOf(1024, 767));
    start();
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(ended);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(QtPlatform::twipsOf(1024, 768).widthTwips, 15360);
    EXPECT_EQ(QtPlatform::twipsOf(1024, 768).heightTwips, 11520);
}

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
