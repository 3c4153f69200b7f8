#include "FlightPlanSheetForm.h"

#include <QLabel>

#include "FormColours.h"
#include "WidgetFactory.h"

namespace corvane {

namespace {

using F = WidgetFactory;

enum class Need { Always, Ifr, None };

constexpr int kCaptionHeight = 240;
constexpr int kValueHeight = 330;

/// One item of the form: its caption above its value label.
struct Item {
    const char* caption;
    const char* valueName;
    int left;
    int top;  // caption row; the value lies under it
    int width;
    Need need;
    int valueHeight = kValueHeight;
};

/// A fixed text of the form outside the items: prefixes, dashes, line ends.
struct Text {
    const char* text;
    int left;
    int top;
    int width;
};

QColor highlight(Need need) {
    switch (need) {
        case Need::Always:
            return FormColours::yellow();
        case Need::Ifr:
            return FormColours::green();
        case Need::None:
            break;
    }
    return {};
}

QLabel* fixedText(QWidget* sheet, const QString& name, const char* text, int left, int top,
                  int width, int height) {
    QLabel* label = F::caption(sheet, "", QString::fromUtf8(text), left, top, width, height);
    label->setObjectName(name);
    return label;
}

void buildItem(QWidget* sheet, const Item& item) {
    const QString captionName = QStringLiteral("Caption_") + QString::fromUtf8(item.valueName);
    QLabel* caption = fixedText(sheet, captionName, item.caption, item.left, item.top, item.width,
                                kCaptionHeight);
    caption->setWordWrap(false);
    if (item.need != Need::None) {
        F::paintBackground(caption, highlight(item.need));
    }
    QLabel* value = F::valueField(sheet, item.valueName, item.left, item.top + kCaptionHeight,
                                  item.width, item.valueHeight, QColor(255, 255, 255));
    value->setWordWrap(item.valueHeight > kValueHeight);
    value->setAlignment(Qt::AlignLeft |
                        (item.valueHeight > kValueHeight ? Qt::AlignTop : Qt::AlignVCenter));
}

// Rows of the form: caption line, value line under it.
constexpr int kRow7 = 600;
constexpr int kRow9 = 1380;
constexpr int kRow13 = 2160;
constexpr int kRow15 = 2940;
constexpr int kRow16 = 4020;
constexpr int kRow18 = 4800;
constexpr int kRow19 = 5940;
constexpr int kLegend = 7020;

const Item kItems[] = {
    {"7  AIRCRAFT IDENT.", "LblAircId", 1260, kRow7, 2200, Need::Always},
    {"8  FLIGHT RULES", "LblFR", 3740, kRow7, 1600, Need::Always},
    {"TYPE OF FLIGHT", "LblTOF", 5400, kRow7, 1600, Need::Always},
    {"9  NUMBER", "LblNumber", 1260, kRow9, 1100, Need::None},
    {"TYPE OF AIRCRAFT", "LblTO", 2420, kRow9, 1800, Need::Always},
    {"WAKE TURB. CAT", "LblWake", 4500, kRow9, 1500, Need::Ifr},
    {"10  EQUIPMENT", "LblEquip", 6300, kRow9, 2600, Need::Ifr},
    {"13  DEPARTURE AERODROME", "LblDA", 1260, kRow13, 2400, Need::Always},
    {"TIME", "LblTimeact", 3720, kRow13, 1200, Need::Always},
    {"15  CRUISING SPEED", "LblCS", 1260, kRow15, 1800, Need::Always},
    {"LEVEL", "LblLevel", 3120, kRow15, 1200, Need::Always},
    {"ROUTE", "lblRoute", 4380, kRow15, 7380, Need::Always, 720},
    {"16  DESTINATION", "LblDEs", 1260, kRow16, 1800, Need::Always},
    {"TOTAL EET", "LblTotal", 3120, kRow16, 1700, Need::Always},
    {"ALTN AERODROME", "lblAltn", 4880, kRow16, 1800, Need::None},
    {"2ND ALTN AERODROME", "Lbl2Altn", 6740, kRow16, 2100, Need::None},
    {"18  OTHER INFORMATION", "lblOther", 1260, kRow18, 10500, Need::None, 600},
    {"ENDURANCE    HR     MIN ", "lblTime", 1260, kRow19, 2200, Need::Always},
    {"PERSON ON BOARD", "LblPOB", 4020, kRow19, 1800, Need::Always},
    {"PILOT IN COMMAND", "LblPIC", 6600, kRow19, 3600, Need::Always},
};

const Text kTexts[] = {
    {"<<=    (FPL", 120, kRow7 + kCaptionHeight, 1100}, {"-", 3500, kRow7 + kCaptionHeight, 200},
    {"-", 7020, kRow7 + kCaptionHeight, 200},           {"<<= ", 7260, kRow7 + kCaptionHeight, 600},
    {"-", 1000, kRow9 + kCaptionHeight, 200},           {"/", 4260, kRow9 + kCaptionHeight, 200},
    {"-", 6060, kRow9 + kCaptionHeight, 200},           {"-", 1000, kRow13 + kCaptionHeight, 200},
    {"<<= ", 4980, kRow13 + kCaptionHeight, 600},       {"-", 1000, kRow15 + kCaptionHeight, 200},
    {"<<= ", 11820, kRow15 + kCaptionHeight, 600},      {"-", 1000, kRow16 + kCaptionHeight, 200},
    {"-", 1000, kRow18 + kCaptionHeight, 200},          {"E /", 780, kRow19 + kCaptionHeight, 460},
    {"P /", 3560, kRow19 + kCaptionHeight, 460},        {"C /", 6140, kRow19 + kCaptionHeight, 460},
};

void buildHeadings(QWidget* sheet) {
    QLabel* title = fixedText(sheet, QStringLiteral("Heading"), "International Flight Plan", 0, 100,
                              12600, 420);
    title->setAlignment(Qt::AlignCenter);
    QFont large = title->font();
    large.setPointSize(14);
    title->setFont(large);
    fixedText(sheet, QStringLiteral("Heading19"), "19 SUPPLEMENTARY INFORMATION", 120, kRow19 - 360,
              6000, 300);
    // The item's unit captions sit beside its caption line.
    fixedText(sheet, QStringLiteral("CaptionEetUnits"), "HR     MIN ", 3120, kRow16 - 240, 1700,
              kCaptionHeight);
}

void buildLegend(QWidget* sheet) {
    auto* required =
        F::valueField(sheet, "LegendRequired", 120, kLegend, 600, 240, FormColours::yellow());
    required->setFrameStyle(QFrame::Box);
    fixedText(sheet, QStringLiteral("LegendRequiredText"), "= field required for IFR and VFR", 780,
              kLegend, 3300, 300);
    auto* ifr = F::valueField(sheet, "LegendIfr", 4200, kLegend, 600, 240, FormColours::green());
    ifr->setFrameStyle(QFrame::Box);
    fixedText(sheet, QStringLiteral("LegendIfrText"), "= field required       for IFR ", 4860,
              kLegend, 2600, 300);
    fixedText(sheet, QStringLiteral("LegendNone"), "Not highlighted          field", 7560, kLegend,
              2000, 480);
    fixedText(sheet, QStringLiteral("LegendNoneText"),
              "= field not required for         domestic ICAO", 9600, kLegend, 2900, 480);
}

}  // namespace

void FlightPlanSheetForm::build(QWidget* sheet) {
    buildHeadings(sheet);
    for (const Item& item : kItems) {
        buildItem(sheet, item);
    }
    int index = 0;
    for (const Text& text : kTexts) {
        fixedText(sheet, QStringLiteral("Text%1").arg(index++), text.text, text.left, text.top + 45,
                  text.width, kCaptionHeight);
    }
    buildLegend(sheet);
}

}  // namespace corvane
