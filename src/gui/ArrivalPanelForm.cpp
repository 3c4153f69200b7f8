#include "ArrivalPanelForm.h"

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
constexpr int kProcedures = 14900;

void buildChoices(QWidget* panel) {
    F::caption(panel, "Label1(8)", QStringLiteral("Select Land        Rwy"), kChoices, 240, 1200,
               420);
    F::combo(panel, "cmbLandRwy", kChoices + 1260, 280, 1260, 330);
    F::caption(panel, "Label1(7)", QStringLiteral("Select Star"), kChoices, 720, 1200, 420);
    F::combo(panel, "cmbStar", kChoices + 1260, 760, 1260, 330);
    F::caption(panel, "Label1(6)", QStringLiteral("Insert Initial   Descend"), kChoices, 1200, 1200,
               420);
    F::textBox(panel, "txtDescend", kChoices + 1260, 1240, 1260, 330);
    F::button(panel, "cmdStarGen", kChoices, 1700, 2520, 420);
    F::caption(panel, "Label1(20)", QStringLiteral("SQUAWK CODE AVAILABLE"), kChoices, 2280, 1500,
               420);
    F::valueField(panel, "LblSqArr", kChoices + 1560, 2340, 960, 330);
    F::caption(panel, "Label1(18)", QStringLiteral("SQUAWK ASSIGNED"), kChoices, 2820, 1500, 420);
    F::valueField(panel, "lblSqAss", kChoices + 1560, 2880, 960, 330);
}

void buildLists(QWidget* panel) {
    auto* arrivals =
        F::frame(panel, "FraArrival", QStringLiteral("ARRIVAL ACFT"), kLists, 180, 2240, 1620);
    F::list(arrivals, "LstArrival", 90, 270, 2060, 1290);
    auto* assigned =
        F::frame(panel, "FraStarAss", QStringLiteral("STAR ASSIGNED"), kLists, 1830, 2240, 1590);
    F::list(assigned, "List2", 90, 270, 2060, 1260);
}

void buildFlight(QWidget* panel) {
    F::valueField(panel, "lblCompanyArr", kFlight, 240, 2100, 330, FormColours::green());
    F::button(panel, "cmdRemoveArr", kFlight + 2160, 240, 1400, 330);
    F::button(panel, "cmdFPArr", kFlight + 3600, 240, 1400, 330);
    L::captionedField(panel, "Label1(26)", "AIRCRAFT ACTIVITY", "lblPosArr", kFlight, 630, 1720,
                      3280);
    F::caption(panel, "Label1(44)", QStringLiteral("PARAMETERS FLIGHT"), kFlight, 1020, 1720, 300);
    L::warningField(panel, "lblParArr", kFlight + 1720, 960, 3280, 480);

    F::caption(panel, "Label1(10)", QStringLiteral("DISTANCE TO DEST.  AIRPORT "), kFlight, 1470,
               2100, 300);
    F::valueField(panel, "lblCallSign", kFlight + 2100, 1440, 1300, 300, FormColours::magenta());
    F::valueField(panel, "lblDistanceArr", kFlight + 3460, 1440, 1000, 300);
    F::caption(panel, "Label1(23)", QStringLiteral("NM"), kFlight + 4520, 1470, 480, 300);

    constexpr int kLeftCaption = 1400;
    constexpr int kLeftField = 900;
    constexpr int kRight = kFlight + 2400;
    constexpr int kRightCaption = 1560;
    constexpr int kRightField = 1040;
    L::captionedField(panel, "Label1(30)", "SPEED", "lblSpeedArr", kFlight, 1800, kLeftCaption,
                      kLeftField);
    F::caption(panel, "Label1(43)", QStringLiteral("ENDURANCE"), kRight, 1830, kRightCaption, 300);
    F::valueField(panel, "lblEndArrHr", kRight + kRightCaption, 1800, 490, 300);
    F::valueField(panel, "lblEndArrMn", kRight + kRightCaption + 550, 1800, 490, 300);
    L::captionedField(panel, "Label1(19)", "CURRENT ALTITUDE", "LblAltArr", kFlight, 2130,
                      kLeftCaption, kLeftField);
    F::caption(panel, "Label1(25)", QStringLiteral("REAL ETA"), kRight, 2160, kRightCaption, 300);
    F::valueField(panel, "lblEAThR", kRight + kRightCaption, 2130, 490, 300);
    F::valueField(panel, "lblEATmn", kRight + kRightCaption + 550, 2130, 490, 300);
    L::captionedField(panel, "Label1(35)", "POSITION NEAR ", "lblNearArr", kFlight, 2460,
                      kLeftCaption, kLeftField);
    L::captionedField(panel, "Label1(46)", "CTR RESPONSABILITY", "lblCtrArr", kRight, 2460,
                      kRightCaption, kRightField);
}

void buildClearance(QWidget* panel) {
    L::captionedField(panel, "Label1(22)", "EXPECTED STAR", "lblExpStar", kClearance, 240, 1720,
                      2880, FormColours::lightCyan());
    F::caption(panel, "Label1(42)", QStringLiteral("IFR STAR CLEARANCE"), kClearance, 600, 4600,
               260);
    L::clearanceField(panel, "lblIfrStar", kClearance, 860, 4600, 1320, FormColours::cyan());
    F::caption(panel, "Label1(45)", QStringLiteral("STAR ASSIGNED"), kClearance, 2220, 4600, 260);
    F::memo(panel, "txtStarAss", kClearance, 2480, 4600, 940);
}

void buildProceduresAndRules(QWidget* panel) {
    F::caption(panel, "Label1(0)", QStringLiteral("ILS/LOC/VOR   PROCEDURES"), kProcedures, 240,
               3950, 260);
    F::list(panel, "List3", kProcedures, 500, 3950, 900, FormColours::yellow());
    F::caption(panel, "Label1(24)", QStringLiteral("RULES OF THUMBES"), kProcedures, 1440, 3950,
               260);
    F::list(panel, "List5", kProcedures, 1700, 3950, 780);
    QLabel* rule = F::valueField(panel, "Label6", kProcedures, 2520, 3950, 900);
    rule->setWordWrap(true);
    rule->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace

void ArrivalPanelForm::build(QWidget* window) {
    auto* panel = F::frame(window, "FraStar", QString(), 120, 1200, 18975, 3495);
    buildChoices(panel);
    buildLists(panel);
    buildFlight(panel);
    buildClearance(panel);
    buildProceduresAndRules(panel);
}

}  // namespace corvane
