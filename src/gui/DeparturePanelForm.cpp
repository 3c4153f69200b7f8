#include "DeparturePanelForm.h"

#include <QGroupBox>
#include <QLabel>

#include "FormColours.h"
#include "PanelLayout.h"
#include "WidgetFactory.h"

namespace corvane {

namespace {

using F = WidgetFactory;
using L = PanelLayout;

// Column starts, in twips inside the panel.
constexpr int kChoices = 120;
constexpr int kLists = 2760;
constexpr int kFlight = 5100;
constexpr int kClearance = 10200;
constexpr int kRules = 14900;

void buildChoices(QWidget* panel) {
    F::caption(panel, "Label1(1)", QStringLiteral("Select T/O     Rwy"), kChoices, 240, 1200, 420);
    F::combo(panel, "CmbTORwy", kChoices + 1260, 280, 1260, 330);
    F::caption(panel, "Label1(2)", QStringLiteral("Select Sid"), kChoices, 720, 1200, 420);
    F::combo(panel, "CmbSid", kChoices + 1260, 760, 1260, 330);
    F::caption(panel, "Label1(3)", QStringLiteral("Insert Initial     Climb"), kChoices, 1200, 1200,
               420);
    F::textBox(panel, "TxtInClimb", kChoices + 1260, 1240, 1260, 330);
    F::button(panel, "cmdSidGen", kChoices, 1700, 2520, 420);

    auto* range = F::frame(panel, "FraSquawk", QStringLiteral("SQUAWK CODE RANGE"), kChoices, 2160,
                           2520, 660);
    F::caption(range, "Label3", QStringLiteral("RANGE"), 90, 300, 700, 300);
    F::valueField(range, "Lblr1_1", 780, 270, 720, 300);
    F::caption(range, "Label4", QStringLiteral("-"), 1560, 300, 150, 300);
    F::valueField(range, "Lblr2_1", 1710, 270, 720, 300);
    F::caption(panel, "Label1(4)", QStringLiteral("SQUAWK  CODE AVAILABLE"), kChoices, 2880, 1500,
               420);
    F::valueField(panel, "LblSquawk", kChoices + 1560, 2940, 960, 330);
}

void buildLists(QWidget* panel) {
    auto* departures =
        F::frame(panel, "FraDeparture", QStringLiteral("DEPARTURE ACFT"), kLists, 180, 2240, 1620);
    F::list(departures, "LstDeparture", 90, 270, 2060, 1290);
    auto* assigned = F::frame(panel, "FraClrAss", QStringLiteral("      CLRS ASSIGNED       "),
                              kLists, 1830, 2240, 1590);
    F::list(assigned, "List1", 90, 270, 2060, 1260);
}

void buildFlight(QWidget* panel) {
    F::valueField(panel, "lblCompanyDep", kFlight, 240, 2100, 330, FormColours::green());
    F::button(panel, "cmdRemoveDep", kFlight + 2160, 240, 1400, 330);
    F::button(panel, "cmdFPDep", kFlight + 3600, 240, 1400, 330);
    L::captionedField(panel, "Label1(27)", "AIRCRAFT ACTIVITY", "lblPosDep", kFlight, 630, 1720,
                      3280);
    F::caption(panel, "Label1(38)", QStringLiteral("PARAMETERS FLIGHT"), kFlight, 1020, 1720, 300);
    L::warningField(panel, "lblParam", kFlight + 1720, 960, 3280, 480);

    F::caption(panel, "Label1(5)", QStringLiteral("DISTANCE FROM "), kFlight, 1470, 1300, 300);
    F::valueField(panel, "Label1(11)", kFlight + 1300, 1440, 1400, 300, FormColours::green());
    F::caption(panel, "Label1(12)", QStringLiteral("TO"), kFlight + 2760, 1470, 300, 300);
    F::valueField(panel, "Label1(13)", kFlight + 3100, 1440, 1400, 300, FormColours::magenta());

    constexpr int kLeftCaption = 1250;
    constexpr int kLeftField = 900;
    constexpr int kRight = kFlight + 2260;
    constexpr int kRightCaption = 1300;
    constexpr int kRightField = 1440;
    L::captionedField(panel, "Label1(16)", "TOTAL NM", "LblDistanceFP", kFlight, 1800, kLeftCaption,
                      kLeftField);
    F::caption(panel, "Label1(17)", QStringLiteral("ENDURANCE"), kRight, 1830, kRightCaption, 300);
    F::valueField(panel, "LblEndDepHr", kRight + kRightCaption, 1800, 690, 300);
    F::valueField(panel, "lblEndDepMn", kRight + kRightCaption + 750, 1800, 690, 300);
    L::captionedField(panel, "Label1(15)", "TAS  FILED", "LblFiledTas", kFlight, 2130, kLeftCaption,
                      kLeftField);
    L::captionedField(panel, "Label1(14)", "FL  FILED", "LblFiledAlt", kRight, 2130, kRightCaption,
                      kRightField);
    L::captionedField(panel, "Label1(28)", "CURRENT SPEED", "lblCurrentSpeed", kFlight, 2460,
                      kLeftCaption, kLeftField);
    L::captionedField(panel, "Label1(29)", "CURRENT ALT", "lblCurrentAlt", kRight, 2460,
                      kRightCaption, kRightField);
    L::captionedField(panel, "Label1(37)", "REMAIN NM", "lblRemainNm", kFlight, 2790, kLeftCaption,
                      kLeftField);
    L::captionedField(panel, "Label1(36)", "POSITION NEAR ", "lblNear", kRight, 2790, kRightCaption,
                      kRightField);
    L::captionedField(panel, "Label1(47)", "CTR RESPONS.", "lblCtrDep", kFlight, 3120, kLeftCaption,
                      kLeftField);
}

void buildClearance(QWidget* panel) {
    L::captionedField(panel, "Label1(21)", "EXPECTED SID FILED", "LblExpSid", kClearance, 240, 1720,
                      2880, FormColours::lightCyan());
    F::caption(panel, "Label1(31)", QStringLiteral("IFR DEPARTURE CLEARANCE"), kClearance, 600,
               4600, 260);
    L::clearanceField(panel, "LblIfrSid", kClearance, 860, 4600, 1320, FormColours::cyan());
    F::caption(panel, "Label1(32)", QStringLiteral("SID ASSIGNED"), kClearance, 2220, 4600, 260);
    F::memo(panel, "txtSidAss", kClearance, 2480, 4600, 940);
}

void buildRules(QWidget* panel) {
    F::caption(panel, "Label1(34)", QStringLiteral("RULES OF THUMBES"), kRules, 240, 3950, 260);
    F::list(panel, "lstRulTum", kRules, 500, 3950, 1380);
    QLabel* rule = F::valueField(panel, "lblRulTum", kRules, 1920, 3950, 1500);
    rule->setWordWrap(true);
    rule->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace

void DeparturePanelForm::build(QWidget* window) {
    auto* panel = F::frame(window, "FraSid", QString(), 120, 1200, 18975, 3495);
    buildChoices(panel);
    buildLists(panel);
    buildFlight(panel);
    buildClearance(panel);
    buildRules(panel);
}

}  // namespace corvane
