// The forms as they stand, from tests/data/gui/layout.tsv: the main window after start, the
// splash and the flight plan sheet. Then the window's own place, and a screen too small for it.
// The splash ends after two seconds, at a key or at a click on its bare area; never twice.
// Every text of the windows stays whole at their fonts: captions, buttons and frame titles as
// they stand, and each value field with the longest texts the program writes into it.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>

#include "CaptionButton.h"
#include "FlightPlanSheetDialog.h"
#include "GuiFixture.h"
#include "SplashWindow.h"
#include "TextFit.h"
#include "UiText.h"
#include "reference/RulesOfThumb.h"
#include "station/PositionKinds.h"
#include "station/RatingTable.h"
#include "support/CaseName.h"
#include "traffic/ParameterMessage.h"

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

// Why `text` does not stand whole in `area`, or "" when it does: too large, or a wrapped line
// holding no word.
std::string problem(const QString& name, const QFont& font, const QRect& area, int flags,
                    const QString& text) {
    const std::string where = name.toStdString() + " '" + text.toStdString() + "': ";
    if (!TextFit::fits(font, area, flags, text)) {
        return where + "too large";
    }
    const QRegularExpression word(QStringLiteral("\\w"));
    if ((flags & Qt::TextWordWrap) == 0 || !text.contains(word)) {
        return {};
    }
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    std::string found;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        const QString shown = text.mid(line.textStart(), line.textLength()).trimmed();
        if (!shown.isEmpty() && !shown.contains(word)) {
            found = where + "a line holds only '" + shown.toStdString() + "'";
        }
    }
    layout.endLayout();
    return found;
}

std::string labelProblem(QLabel* label, const QString& text) {
    return problem(label->objectName(), label->font(), TextFit::labelArea(label),
                   TextFit::labelFlags(label), text);
}

QString longestAirlineName() {
    QFile table(QStringLiteral(CORVANE_BUNDLED_DATA "/DATA/airlines.dat"));
    EXPECT_TRUE(table.open(QIODevice::ReadOnly));
    QString longest;
    for (const QByteArray& line : table.readAll().split('\n')) {
        const QString name = QString::fromLatin1(line).section(u':', 2, 2).trimmed();
        longest = name.size() > longest.size() ? name : longest;
    }
    return longest;
}

class TextFitTest : public GuiFixture {};

TEST_F(TextFitTest, EveryCaptionButtonAndFrameTitleStandsWhole) {
    start();
    SplashWindow splash;
    FlightPlanSheetDialog sheet({}, nullptr);
    for (QWidget* form : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(&splash),
                          static_cast<QWidget*>(&sheet)}) {
        for (QLabel* label : form->findChildren<QLabel*>()) {
            EXPECT_EQ(labelProblem(label, label->text()), "");
        }
        for (auto* button : form->findChildren<CaptionButton*>()) {
            EXPECT_EQ(problem(button->objectName(), button->font(), button->captionArea(),
                              CaptionButton::kCaptionFlags, button->text()),
                      "");
        }
        for (QGroupBox* frame : form->findChildren<QGroupBox*>()) {
            EXPECT_LE(QFontMetrics(frame->font()).horizontalAdvance(frame->title()),
                      frame->width() - 16)
                << frame->objectName().toStdString();
        }
    }
}

TEST_F(TextFitTest, EveryValueFieldHoldsTheLongestTextsWrittenIntoIt) {
    start();
    std::vector<std::pair<QString, QString>> texts;
    const QString airline = longestAirlineName();
    for (const CaseRow& row : caseTable("gui/textfit.tsv")) {
        const bool company = row.name.starts_with("lblCompany");
        texts.emplace_back(QString::fromStdString(row.name),
                           QString::fromStdString(row[0]).replace(
                               QStringLiteral("AIRLINE"), company ? airline : airline.toUpper()));
    }
    for (int rating = -1; rating < 20; ++rating) {
        if (const auto caption = RatingTable::caption(rating)) {
            texts.emplace_back(QStringLiteral("LblRating"), UiText::show(std::string(*caption)));
        }
    }
    for (const char* kind : {"APP", "CTR", "TWR", "GND", "DEP"}) {
        texts.emplace_back(QStringLiteral("lblPosition"),
                           UiText::show(std::string(PositionKinds::find(kind)->title)));
    }
    for (const std::string_view rule : RulesOfThumb::texts()) {
        texts.emplace_back(QStringLiteral("lblRulTum"), UiText::show(std::string(rule)));
        texts.emplace_back(QStringLiteral("Label6"), UiText::show(std::string(rule)));
    }
    for (const auto& [field, text] : texts) {
        auto* label = qobject_cast<QLabel*>(widget(field));
        ASSERT_NE(label, nullptr) << field.toStdString();
        if (field.startsWith(QStringLiteral("lblCompany")) || field == QStringLiteral("LblAirac")) {
            TextFit::showShrunk(label, text);  // drawn smaller when it is long
        }
        EXPECT_EQ(labelProblem(label, text), "");
    }
}

// The logic keeps its font size; the field draws the advice at it or at the largest that fits.
TEST_F(TextFitTest, EveryParameterMessageIsDrawnWholeAtTheLargestSizeThatFits) {
    start();
    for (const char* name : {"lblParam", "lblParArr"}) {
        auto* field = qobject_cast<QLabel*>(widget(QString::fromUtf8(name)));
        for (const ParameterAdvice& advice : ParameterMessage::every()) {
            const QString text = UiText::show(advice.caption);
            TextFit::showWarning(field, text, advice.fontSize);
            EXPECT_EQ(labelProblem(field, text), "");
            const double shown = field->font().pointSizeF();
            EXPECT_LE(shown, advice.fontSize) << text.toStdString();
            EXPECT_GE(shown, 8.0) << name << " " << text.toStdString();
            QFont larger = field->font();
            larger.setPointSizeF(shown + 0.5);
            EXPECT_TRUE(shown == advice.fontSize ||
                        !TextFit::fits(larger, TextFit::labelArea(field),
                                       TextFit::labelFlags(field), text));
        }
    }
}

}  // namespace
}  // namespace corvane::test
