#include "clearance/AssignedLists.h"

#include <string>
#include <vector>

#include "clearance/ClearanceLog.h"
#include "common/TextColumns.h"
#include "traffic/AircraftLineScan.h"
#include "traffic/TrafficSelection.h"
#include "window/AppContext.h"
#include "window/TrafficPanelPresenter.h"
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

}  // namespace

void AssignedLists::clicked(AppContext& context, TrafficSide side) {
    TrafficPanel& panel = context.window.panel(side);
    std::string& selected = context.state.selectedCallsign(side);
    panel.remove.enabled = true;
    selected = std::string(
        assignedEntryCallsign(context.state.assignedEntry(side, panel.cleared.selected)));
    showWarningField(context.state.aircraft(side).message, panel.message);
    const ScanResult scan = TrafficSelection::analyse(context, side);
    if (scan.missing()) {
        AircraftLineScan::reportMissing(context.platform, selected);
    }
    ClearanceLog::show(context, side);
    panel.showFlightPlan.enabled = true;
    TrafficSelection::watchSquawks(context, scan);
}

// The log keeps the record, and the aircraft does not return to the traffic list.
void AssignedLists::remove(AppContext& context, TrafficSide side) {
    if (!UserMessage::confirm(context.platform, "ARE YOU SURE ?", "REMOVE AIRCRAFT")) {
        return;
    }
    TrafficPanel& panel = context.window.panel(side);
    std::vector<std::string>& entries = context.state.assigned(side);
    const int picked = panel.cleared.selected;
    if (picked >= 0 && picked < static_cast<int>(entries.size())) {
        entries.erase(entries.begin() + picked);
    }
    panel.cleared.selected = -1;
    TrafficPanelPresenter::present(side, context.state, context.window);
    panel.remove.enabled = false;
    panel.showFlightPlan.enabled = false;
}

}  // namespace corvane
