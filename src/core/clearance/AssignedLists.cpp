#include "clearance/AssignedLists.h"

#include <string>

#include "clearance/ClearanceLog.h"
#include "common/TextColumns.h"
#include "traffic/ArrivalAnalysis.h"
#include "traffic/DepartureAnalysis.h"
#include "window/AppContext.h"
#include "window/UserMessage.h"

namespace corvane {

namespace {

constexpr int kAssignedFontSize = 22;

// An entry is the padded callsign, " - " and the code; a callsign may be longer than the
// padding, so it ends where the separator begins.
std::string entryCallsign(const ListBox& list) {
    const std::string entry = list.selectedText();
    const std::string_view callsign = std::string_view(entry).substr(0, entry.find(" - "));
    return std::string(trimTrailingSpaces(callsign));
}

void showWarningField(Label& warning, BlinkTimer& timer) {
    timer.enabled = false;
    warning.backColour = colour::kYellow;
    warning.fontSize = kAssignedFontSize;
    warning.visible = true;
}

bool confirmRemoval(Platform& platform) {
    return UserMessage::confirm(platform, "ARE YOU SURE ?", "REMOVE AIRCRAFT");
}

}  // namespace

void AssignedLists::departureClicked(AppContext& context) {
    MainWindowModel& w = context.window;
    w.cmdRemoveDep.enabled = true;
    context.state.SelectedDepartureCallsign = entryCallsign(w.List1);
    showWarningField(w.lblParam, w.Timer1);
    if (DepartureAnalysis::analyse(context).missing()) {
        AircraftLineScan::reportMissing(context.platform, context.state.SelectedDepartureCallsign);
    }
    ClearanceLog::show(context, ClearanceSide::Departure);
    w.cmdFPDep.enabled = true;
}

void AssignedLists::arrivalClicked(AppContext& context) {
    MainWindowModel& w = context.window;
    w.cmdRemoveArr.enabled = true;
    context.state.SelectedArrivalCallsign = entryCallsign(w.List2);
    showWarningField(w.lblParArr, w.Timer2);
    if (ArrivalAnalysis::analyse(context).missing()) {
        AircraftLineScan::reportMissing(context.platform, context.state.SelectedArrivalCallsign);
    }
    ClearanceLog::show(context, ClearanceSide::Arrival);
    w.cmdFPArr.enabled = true;
}

void AssignedLists::removeDeparture(MainWindowModel& w, Platform& platform) {
    if (!confirmRemoval(platform)) {
        return;
    }
    // The log keeps the record, and the aircraft does not return to the traffic list.
    w.List1.removeAt(w.List1.selected);
    w.cmdRemoveDep.enabled = false;
    w.cmdFPDep.enabled = false;
}

void AssignedLists::removeArrival(MainWindowModel& w, Platform& platform) {
    if (!confirmRemoval(platform)) {
        return;
    }
    w.List2.removeAt(w.List2.selected);
    w.cmdRemoveArr.enabled = false;
    w.cmdFPArr.enabled = false;
}

}  // namespace corvane
