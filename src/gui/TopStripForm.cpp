#include "TopStripForm.h"

#include <QGroupBox>
#include <QLineEdit>

#include "FormColours.h"
#include "WidgetFactory.h"

namespace corvane {

namespace {

using F = WidgetFactory;

constexpr int kRow1 = 270;
constexpr int kRow2 = 720;
constexpr int kRowHeight = 330;
constexpr int kButtonHeight = 420;

void buildConnectRow(QWidget* strip) {
    F::caption(strip, "Label5", QStringLiteral("OPERATOR/VID "), 120, kRow1 + 45, 1100, kRowHeight);
    F::textBox(strip, "TxtOperatorName", 1200, kRow1, 2600, kRowHeight);
    F::button(strip, "CmdExecute", 3860, kRow1, 2500, kRowHeight + 30);
    F::caption(strip, "Label9", QStringLiteral("POSITION NAME :"), 6440, kRow1 + 45, 1420,
               kRowHeight);
    F::valueField(strip, "LblPositionName", 7880, kRow1, 1500, kRowHeight);
    F::caption(strip, "Label2", QStringLiteral("AIRPORT NAME:"), 9460, kRow1 + 45, 1300,
               kRowHeight);
    F::valueField(strip, "LblNomeApt", 10780, kRow1, 3300, kRowHeight);
    F::caption(strip, "Label7", QStringLiteral("YOUR RATING :"), 14160, kRow1 + 45, 1300,
               kRowHeight);
    F::valueField(strip, "LblRating", 15480, kRow1, 2100, kRowHeight);
}

void buildButtonRow(QWidget* strip) {
    // Left to right 0, 1, 3, 6, 5, 9; RESET stands above EXIT at the right end.
    const char* const order[] = {"Command3(0)", "Command3(1)", "Command3(3)",
                                 "Command3(6)", "Command3(5)", "Command3(9)"};
    int left = 120;
    for (const char* name : order) {
        F::button(strip, name, left, kRow2, 1950, kButtonHeight);
        left += 1980;
    }
    F::button(strip, "Command3(7)", 17700, kRow1 - 30, 1200, kButtonHeight);
    F::button(strip, "Command3(8)", 17700, kRow2, 1200, kButtonHeight);
}

void buildPressureRow(QWidget* strip) {
    struct Pair {
        const char* caption;
        const char* text;
        const char* field;
    };
    const Pair pairs[] = {{"Label1(41)", "T.A.", "lblTA"},
                          {"Label1(39)", "QNH hPa", "lblQNH"},
                          {"Label1(33)", "QNH inHg", "lblPollici"},
                          {"Label1(40)", "T.L.", "lblTL"}};
    int left = 12060;
    for (const Pair& pair : pairs) {
        F::caption(strip, pair.caption, QString::fromUtf8(pair.text), left, kRow2 + 45, 720,
                   kRowHeight);
        F::valueField(strip, pair.field, left + 720, kRow2 + 30, 640, kRowHeight);
        left += 1400;
    }
}

void buildApproachList(QWidget* strip) {
    auto* ils = F::frame(strip, "fraILS", QString(), -360, 240, 19335, 975);
    F::list(ils, "List4", 480, 60, 18840, 880, FormColours::yellow());
}

}  // namespace

void TopStripForm::build(QWidget* window) {
    auto* strip = F::frame(window, "Frame7", QString(), 120, 0, 18975, 1215);
    buildConnectRow(strip);
    buildButtonRow(strip);
    buildPressureRow(strip);
    buildApproachList(strip);
}

}  // namespace corvane
