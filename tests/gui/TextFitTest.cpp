// Every text of the windows stays whole at their fonts: captions, buttons and frame titles as
// they stand, and each value field with the longest texts the program writes into it.
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextLayout>
#include <map>

#include "CaptionButton.h"
#include "FlightPlanSheetDialog.h"
#include "GuiFixture.h"
#include "SplashWindow.h"
#include "TextFit.h"
#include "UiText.h"
#include "reference/RulesOfThumb.h"
#include "station/PositionKinds.h"
#include "station/RatingTable.h"
#include "traffic/ParameterMessage.h"

namespace corvane::test {
namespace {

// The lines `text` wraps into at `width`.
QStringList wrappedLines(const QFont& font, int width, const QString& text) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

// Why `text` does not stand whole in `area`, or "" when it does.
std::string problem(const QString& name, const QFont& font, const QRect& area, int flags,
                    const QString& text) {
    const std::string where = name.toStdString() + " '" + text.toStdString() + "': ";
    if (!TextFit::fits(font, area, flags, text)) {
        const QRect needed = QFontMetrics(font).boundingRect(area, flags, text);
        return where + "needs " + std::to_string(needed.width()) + "x" +
               std::to_string(needed.height()) + ", has " + std::to_string(area.width()) + "x" +
               std::to_string(area.height());
    }
    const QRegularExpression word(QStringLiteral("\\w"));
    if ((flags & Qt::TextWordWrap) && text.contains(word)) {
        for (const QString& line : wrappedLines(font, area.width(), text)) {
            if (!line.isEmpty() && !line.contains(word)) {
                return where + "a line holds only '" + line.toStdString() + "'";
            }
        }
    }
    return {};
}

std::string labelProblem(QLabel* label, const QString& text) {
    return problem(label->objectName(), label->font(), TextFit::labelArea(label),
                   TextFit::labelFlags(label), text);
}

// Every caption, button and frame title of `window` as it stands.
std::vector<std::string> captionProblems(QWidget* window) {
    std::vector<std::string> problems;
    auto note = [&](const std::string& found) {
        if (!found.empty()) {
            problems.push_back(found);
        }
    };
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            note(labelProblem(label, label->text()));
        }
    }
    for (auto* button : window->findChildren<CaptionButton*>()) {
        note(problem(button->objectName(), button->font(), button->captionArea(),
                     CaptionButton::kCaptionFlags, button->text()));
    }
    for (QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        const int needed = QFontMetrics(frame->font()).horizontalAdvance(frame->title());
        if (needed > frame->width() - 16) {
            problems.push_back(frame->objectName().toStdString() + " title needs " +
                               std::to_string(needed));
        }
    }
    return problems;
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

// The texts the program writes into each value field, the longest of their kind.
std::map<QString, QStringList> valueFieldTexts() {
    std::map<QString, QStringList> texts;
    for (int rating = -1; rating < 20; ++rating) {
        if (const auto caption = RatingTable::caption(rating)) {
            texts[QStringLiteral("LblRating")].append(UiText::show(std::string(*caption)));
        }
    }
    for (const char* kind : {"APP", "CTR", "TWR", "GND", "DEP"}) {
        texts[QStringLiteral("lblPosition")].append(
            UiText::show(std::string(PositionKinds::find(kind)->title)));
    }
    const QStringList phases = {QStringLiteral("FINAL APPROACHING"),
                                QStringLiteral("NO FLIGHT PLAN"), QStringLiteral("LOCAL FLIGHT"),
                                QStringLiteral("ON THE GROUND")};
    texts[QStringLiteral("lblPosDep")] = phases + QStringList{QStringLiteral("NO SID")};
    texts[QStringLiteral("lblPosArr")] = phases + QStringList{QStringLiteral("NO STAR")};
    const QString airline = longestAirlineName();
    texts[QStringLiteral("lblCompanyDep")] = {airline};
    texts[QStringLiteral("lblCompanyArr")] = {airline};
    texts[QStringLiteral("LblPositionName")] = {QStringLiteral("EDGG_SE_CTR")};
    texts[QStringLiteral("LblNomeApt")] = {
        QStringLiteral("ROMA FIUMICINO LEONARDO DA VINCI AIRPORT")};
    texts[QStringLiteral("LblAirac")] = {
        QStringLiteral("AIRAC 2513 DEMO DATA FOR ATC CORVANE NOT FOR REAL WORLD NAVI")};
    const std::map<QString, QString> shortOnes = {
        {QStringLiteral("lblTA"), QStringLiteral("18000")},
        {QStringLiteral("lblQNH"), QStringLiteral("1013")},
        {QStringLiteral("lblPollici"), QStringLiteral("29.92")},
        {QStringLiteral("lblTL"), QStringLiteral("185")},
        {QStringLiteral("LblExpSid"), QStringLiteral("KOMIB1F")},
        {QStringLiteral("lblExpStar"), QStringLiteral("KERAX2A")},
        {QStringLiteral("LblSquawk"), QStringLiteral("7777")},
        {QStringLiteral("LblSqArr"), QStringLiteral("7777")},
        {QStringLiteral("lblSqAss"), QStringLiteral("7777")},
        {QStringLiteral("Lblr1_1"), QStringLiteral("7777")},
        {QStringLiteral("Lblr2_1"), QStringLiteral("7777")},
        {QStringLiteral("Label1(11)"), QStringLiteral("WWWW")},
        {QStringLiteral("Label1(13)"), QStringLiteral("WWWW")},
        {QStringLiteral("lblCallSign"), QStringLiteral("WWWW")},
        {QStringLiteral("LblDistanceFP"), QStringLiteral("12345")},
        {QStringLiteral("lblRemainNm"), QStringLiteral("12345")},
        {QStringLiteral("lblDistanceArr"), QStringLiteral("12345")},
        {QStringLiteral("LblFiledTas"), QStringLiteral("1234")},
        {QStringLiteral("LblFiledAlt"), QStringLiteral("600")},
        {QStringLiteral("lblCurrentSpeed"), QStringLiteral("1234")},
        {QStringLiteral("lblSpeedArr"), QStringLiteral("1234")},
        {QStringLiteral("lblCurrentAlt"), QStringLiteral("60000")},
        {QStringLiteral("LblAltArr"), QStringLiteral("60000")},
        {QStringLiteral("lblNear"), QStringLiteral("WWWWW")},
        {QStringLiteral("lblNearArr"), QStringLiteral("WWWWW")},
        {QStringLiteral("lblCtrDep"), QStringLiteral("EDGG_CTR")},
        {QStringLiteral("lblCtrArr"), QStringLiteral("EDGG_CTR")},
        {QStringLiteral("LblEndDepHr"), QStringLiteral("99")},
        {QStringLiteral("lblEndDepMn"), QStringLiteral("59")},
        {QStringLiteral("lblEndArrHr"), QStringLiteral("99")},
        {QStringLiteral("lblEndArrMn"), QStringLiteral("59")},
        {QStringLiteral("lblEAThR"), QStringLiteral("23")},
        {QStringLiteral("lblEATmn"), QStringLiteral("59")}};
    for (const auto& [field, text] : shortOnes) {
        texts[field] = {text};
    }
    const QString vfr = QStringLiteral(
        "THIS IS A VFR FLIGHT OR LOCAL FLIGHT NO IFR DEPARTURE CLEARANCE. IF THIS IS A TRAINING "
        "FLIGHT PLEASE USE MANUAL INSERT");
    texts[QStringLiteral("LblIfrSid")] = {
        vfr, airline.toUpper() + QStringLiteral(" 1234 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE "
                                                "VIA KOMIB1F STANDARD DEPARTURE CLIMB AND MANTAIN "
                                                "12345 FEET INITIALLY SQUAWK 7777")};
    texts[QStringLiteral("lblIfrStar")] = {
        vfr,
        airline.toUpper() + QStringLiteral(" 1234 RADAR CONTACT FLY DIRECT KERAX THEN KERAX2A "
                                           "STANDARD ARRIVAL DESCENT AND MANTAIN 12345 FEET "
                                           "ACCORDING TO THE MINIMA EXPECTED ILS APP RWY 25L")};
    for (const std::string_view rule : RulesOfThumb::texts()) {
        texts[QStringLiteral("lblRulTum")].append(UiText::show(std::string(rule)));
        texts[QStringLiteral("Label6")].append(UiText::show(std::string(rule)));
    }
    return texts;
}

class TextFitTest : public GuiFixture {};

TEST_F(TextFitTest, EveryCaptionButtonAndFrameTitleStandsWhole) {
    start();
    for (const std::string& found : captionProblems(window.get())) {
        ADD_FAILURE() << found;
    }
    SplashWindow splash;
    FlightPlanSheetDialog sheet({}, nullptr);
    for (QWidget* other : {static_cast<QWidget*>(&splash), static_cast<QWidget*>(&sheet)}) {
        for (const std::string& found : captionProblems(other)) {
            ADD_FAILURE() << found;
        }
    }
}

TEST_F(TextFitTest, EveryValueFieldHoldsTheLongestTextsWrittenIntoIt) {
    start();
    for (const auto& [field, texts] : valueFieldTexts()) {
        for (const QString& text : texts) {
            if (field.startsWith(QStringLiteral("lblCompany"))) {
                TextFit::showShrunk(label(field), text);  // drawn smaller when it is long
            }
            const std::string found = labelProblem(label(field), text);
            EXPECT_TRUE(found.empty()) << found;
        }
    }
}

// The logic keeps its font size; the field draws the advice at it or at the largest that fits.
TEST_F(TextFitTest, EveryParameterMessageIsDrawnWholeAtTheLargestSizeThatFits) {
    start();
    for (const char* name : {"lblParam", "lblParArr"}) {
        QLabel* field = label(QString::fromUtf8(name));
        for (const ParameterAdvice& advice : ParameterMessage::every()) {
            const QString text = UiText::show(advice.caption);
            TextFit::showWarning(field, text, advice.fontSize);
            EXPECT_EQ(labelProblem(field, text), "");
            const double shown = field->font().pointSizeF();
            EXPECT_LE(shown, advice.fontSize) << text.toStdString();
            EXPECT_GE(shown, 8.0) << name << " " << text.toStdString();
            if (shown < advice.fontSize) {
                QFont larger = field->font();
                larger.setPointSizeF(shown + 0.5);
                EXPECT_FALSE(TextFit::fits(larger, TextFit::labelArea(field),
                                           TextFit::labelFlags(field), text));
            }
        }
    }
}

}  // namespace
}  // namespace corvane::test
