#include "clearance/AssignedLists.h"

#include <string>

#include "clearance/ClearanceLog.h"
#include "common/TextColumns.h"
#include "traffic/ArrivalAnalysis.h"
#include "traffic/DepartureAnalysis.h"
#include "traffic/TrafficSelection.h"
#include "window/AppContext.h"
#include "window/UserMessage.h"

namespace corvane {

namespace {

constexpr int kAssignedFontSize = 22;

void showWarningField(Label& warning, BlinkTimer& timer) {
    timer.enabled = false;
    warning.backColour = colour::kYellow;
    warning.fontSize = kAssignedFontSize;
    warning.visible = true;
}

// One side's assigned list and what a click or a removal there touches.
struct AssignedSide {
    ListBox& list;
    Button& remove;
    Button& sheet;
    Label& warning;
    BlinkTimer& timer;
    std::string ProgramState::*selected;
    ScanResult (*analyse)(AppContext& context);
    ClearanceSide side;
};

AssignedSide departureSide(MainWindowModel& w) {
    return {w.List1,
            w.cmdRemoveDep,
            w.cmdFPDep,
            w.lblParam,
            w.Timer1,
            &ProgramState::SelectedDepartureCallsign,
            &DepartureAnalysis::analyse,
            ClearanceSide::Departure};
}

AssignedSide arrivalSide(MainWindowModel& w) {
    return {w.List2,
            w.cmdRemoveArr,
            w.cmdFPArr,
            w.lblParArr,
            w.Timer2,
            &ProgramState::SelectedArrivalCallsign,
            &ArrivalAnalysis::analyse,
            ClearanceSide::Arrival};
}

void clicked(AppContext& context, const AssignedSide& side) {
    std::string& selected = context.state.*side.selected;
    side.remove.enabled = true;
    selected = std::string(assignedEntryCallsign(side.list.selectedText()));
    showWarningField(side.warning, side.timer);
    const ScanResult scan = side.analyse(context);
    if (scan.missing()) {
        AircraftLineScan::reportMissing(context.platform, selected);
    }
    ClearanceLog::show(context, side.side);
    side.sheet.enabled = true;
    TrafficSelection::watchSquawks(context, scan);
}

// The log keeps the record, and the aircraft does not return to the traffic list.
void remove(Platform& platform, const AssignedSide& side) {
    if (!UserMessage::confirm(platform, "ARE YOU SURE ?", "REMOVE AIRCRAFT")) {
        return;
    }
    side.list.removeAt(side.list.selected);
    side.remove.enabled = false;
    side.sheet.enabled = false;
}

}  // namespace

void AssignedLists::departureClicked(AppContext& context) {
    clicked(context, departureSide(context.window));
}

void AssignedLists::arrivalClicked(AppContext& context) {
    clicked(context, arrivalSide(context.window));
}

void AssignedLists::removeDeparture(MainWindowModel& w, Platform& platform) {
    remove(platform, departureSide(w));
}

void AssignedLists::removeArrival(MainWindowModel& w, Platform& platform) {
    remove(platform, arrivalSide(w));
}

}  // namespace corvane
