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

// The caption stays until the analysis judges the aircraft anew.
void showWarningField(ParameterAdvice& message, Label& field) {
    message.warning = false;
    message.fontSize = kAssignedFontSize;
    field.visible = true;
}

ScanResult analyse(AppContext& context, TrafficSide side) {
    return side == TrafficSide::Departure ? DepartureAnalysis::analyse(context)
                                          : ArrivalAnalysis::analyse(context);
}

void clicked(AppContext& context, TrafficSide side) {
    TrafficPanel& panel = context.window.panel(side);
    std::string& selected = context.state.selectedCallsign(side);
    panel.remove.enabled = true;
    selected = std::string(assignedEntryCallsign(panel.cleared.selectedText()));
    showWarningField(context.state.aircraft(side).message, panel.message);
    const ScanResult scan = analyse(context, side);
    if (scan.missing()) {
        AircraftLineScan::reportMissing(context.platform, selected);
    }
    ClearanceLog::show(context, side);
    panel.showFlightPlan.enabled = true;
    TrafficSelection::watchSquawks(context, scan);
}

// The log keeps the record, and the aircraft does not return to the traffic list.
void remove(Platform& platform, TrafficPanel& panel) {
    if (!UserMessage::confirm(platform, "ARE YOU SURE ?", "REMOVE AIRCRAFT")) {
        return;
    }
    panel.cleared.removeAt(panel.cleared.selected);
    panel.remove.enabled = false;
    panel.showFlightPlan.enabled = false;
}

}  // namespace

void AssignedLists::departureClicked(AppContext& context) {
    clicked(context, TrafficSide::Departure);
}

void AssignedLists::arrivalClicked(AppContext& context) {
    clicked(context, TrafficSide::Arrival);
}

void AssignedLists::removeDeparture(MainWindowModel& w, Platform& platform) {
    remove(platform, w.departure);
}

void AssignedLists::removeArrival(MainWindowModel& w, Platform& platform) {
    remove(platform, w.arrival);
}

}  // namespace corvane
