#include "traffic/TrafficSelection.h"

#include "common/TextColumns.h"

#include "traffic/AirlineLookup.h"
#include "traffic/ArrivalAnalysis.h"
#include "traffic/DepartureAnalysis.h"
#include "window/AppContext.h"
#include "window/SquawkWatch.h"

namespace corvane {

ScanResult TrafficSelection::analyse(AppContext& context, TrafficSide side) {
    return side == TrafficSide::Departure ? DepartureAnalysis::analyse(context)
                                          : ArrivalAnalysis::analyse(context);
}

void TrafficSelection::clicked(AppContext& context, TrafficSide side) {
    TrafficPanel& panel = context.window.panel(side);
    ProgramState& state = context.state;
    std::string& callsign = state.selectedCallsign(side);
    clearMessage(state.aircraft(side).message, panel.message);
    callsign = panel.traffic.selectedText();
    state.clearanceTexts(side) = {};
    panel.remove.enabled = false;
    AirlineLookup::lookup(state, context.platform, context.folder, callsign,
                          state.aircraft(side).airline);
    const ScanResult scan = analyse(context, side);
    if (scan.missing()) {
        AircraftLineScan::reportMissing(context.platform, callsign);
    }
    watchSquawks(context, scan);
    panel.showFlightPlan.enabled = true;
}

void TrafficSelection::clearMessage(ParameterAdvice& message, Label& field) {
    message = {};
    field.visible = true;
}

void TrafficSelection::watchSquawks(AppContext& context, const ScanResult& scan) {
    if (scan.outcome != ScanOutcome::Unreadable) {
        SquawkWatch::watch(context.window, context.state, context.platform, scan.squawks);
    }
}

}  // namespace corvane
