#include "traffic/TrafficSelection.h"

#include "common/TextColumns.h"

#include "traffic/AirlineLookup.h"
#include "traffic/ArrivalAnalysis.h"
#include "traffic/DepartureAnalysis.h"
#include "window/AppContext.h"
#include "window/SquawkWatch.h"

namespace corvane {

void TrafficSelection::departureClicked(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    clearMessage(state.DepartureAircraft.message, w.departure.message);
    state.SelectedDepartureCallsign = w.departure.traffic.selectedText();
    state.DepartureClearanceTexts = {};
    w.departure.remove.enabled = false;
    AirlineLookup::lookup(state, context.platform, context.folder, state.SelectedDepartureCallsign,
                          state.DepartureAircraft.airline);
    const ScanResult scan = DepartureAnalysis::analyse(context);
    if (scan.missing()) {
        AircraftLineScan::reportMissing(context.platform, state.SelectedDepartureCallsign);
    }
    watchSquawks(context, scan);
    w.departure.showFlightPlan.enabled = true;
}

void TrafficSelection::arrivalClicked(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    clearMessage(state.ArrivalAircraft.message, w.arrival.message);
    w.arrival.remove.enabled = false;
    state.ArrivalClearanceTexts = {};
    state.SelectedArrivalCallsign = w.arrival.traffic.selectedText();
    AirlineLookup::lookup(state, context.platform, context.folder, state.SelectedArrivalCallsign,
                          state.ArrivalAircraft.airline);
    const ScanResult scan = ArrivalAnalysis::analyse(context);
    if (scan.missing()) {
        AircraftLineScan::reportMissing(context.platform, state.SelectedArrivalCallsign);
    }
    watchSquawks(context, scan);
    w.arrival.showFlightPlan.enabled = true;
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
