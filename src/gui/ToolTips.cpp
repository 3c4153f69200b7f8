#include "ToolTips.h"

#include <QWidget>

namespace corvane {

namespace {

struct Tip {
    const char* control;
    const char* text;
};

constexpr Tip kTips[] = {
    {"Command3(0)",
     "Show the station's ATIS, the AIRAC of the procedure file and the duties of "
     "your position"},
    {"Command3(1)",
     "Show the departure panel: departing traffic, SIDs and the IFR departure "
     "clearance with its squawk"},
    {"Command3(3)",
     "Show the arrival panel: arriving traffic, STARs, approaches and the arrival "
     "clearance"},
    {"Command3(6)", "Choose the radar client's data folder, the one holding recent.dat"},
    {"Command3(5)",
     "Choose the folder of the SIDSTARS procedure files (one file per airport, "
     "e.g. EDDF.txt)"},
    {"Command3(9)", "Fold the window back to this top strip"},
    {"Command3(7)", "Disconnect: empty every panel and delete this session's clearance logs"},
    {"Command3(8)", "Close ATC Corvane (asks first)"},
    {"TxtOperatorName",
     "Your IVAO account as the radar client shows it (name and surname), or "
     "your VID; Enter connects"},
    {"lblTA", "Transition altitude in feet, from the squawk table"},
    {"lblTL", "Transition level, from the QNH and the transition altitude"},
    {"lblPollici", "The QNH in inches of mercury"},
    {"lblParam",
     "Advice on the aircraft's altitude and speed; it blinks red when something is "
     "off"},
    {"lblParArr",
     "Advice on the aircraft's altitude and speed; it blinks red when something is "
     "off"},
    {"LblExpSid", "The SID the pilot filed: the first word of the route"},
    {"lblExpStar", "The STAR entry the pilot filed: the last word of the route"},
    {"LblSquawk", "The next transponder code to give out from the airport's range"},
    {"LblSqArr", "The next transponder code of the departure side"},
    {"lblSqAss", "The transponder code the arriving aircraft squawks now"},
    {"lblCtrDep", "The centre responsible for the aircraft, from the snapshot"},
    {"lblCtrArr", "The centre responsible for the aircraft, from the snapshot"},
    {"LblIfrSid", "The clearance to read to the pilot: select it and copy it with Ctrl+C"},
    {"lblIfrStar", "The clearance to read to the pilot: select it and copy it with Ctrl+C"},
    {"txtSidAss", "The SID's lines from the procedure file for the chosen runway"},
    {"txtStarAss", "The STAR's line from the procedure file"},
    {"List1",
     "Aircraft cleared for departure with their squawk; click one to see its clearance "
     "again"},
    {"List2",
     "Aircraft cleared for arrival with their squawk; click one to see its clearance "
     "again"},
    {"List3", "Approaches to the landing runway; click one to see its description"},
};

}  // namespace

void ToolTips::apply(QWidget* window) {
    for (const Tip& tip : kTips) {
        if (auto* control = window->findChild<QWidget*>(QString::fromLatin1(tip.control))) {
            control->setToolTip(QString::fromUtf8(tip.text));
        }
    }
}

}  // namespace corvane
