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
    clearMessage(w.lblParam, w.Timer1);
    state.SelectedDepartureCallsign = w.LstDeparture.selectedText();
    w.LblIfrSid.text.clear();
    w.txtSidAss.text.clear();
    w.cmdRemoveDep.enabled = false;
    AirlineLookup::lookup(state, context.platform, context.folder, state.SelectedDepartureCallsign,
                          state.DepartureAircraft.airline);
    const ScanResult scan = DepartureAnalysis::analyse(context);
    if (scan.missing()) {
        AircraftLineScan::reportMissing(context.platform, state.SelectedDepartureCallsign);
    }
    watchSquawks(context, scan);
    w.cmdFPDep.enabled = true;
}

void TrafficSelection::arrivalClicked(AppContext& context) {
    MainWindowModel& w = context.window;
    ProgramState& state = context.state;
    clearMessage(w.lblParArr, w.Timer2);
    w.cmdRemoveArr.enabled = false;
    w.lblIfrStar.text.clear();
    w.txtStarAss.text.clear();
    state.SelectedArrivalCallsign = w.LstArrival.selectedText();
    AirlineLookup::lookup(state, context.platform, context.folder, state.SelectedArrivalCallsign,
                          state.ArrivalAircraft.airline);
    const ScanResult scan = ArrivalAnalysis::analyse(context);
    if (scan.missing()) {
        AircraftLineScan::reportMissing(context.platform, state.SelectedArrivalCallsign);
    }
    watchSquawks(context, scan);
    w.cmdFPArr.enabled = true;
}

void TrafficSelection::clearMessage(Label& message, BlinkTimer& timer) {
    timer.enabled = false;
    message.backColour = colour::kYellow;
    message.fontSize = 16;
    message.text.clear();
    message.visible = true;
}

void TrafficSelection::watchSquawks(AppContext& context, const ScanResult& scan) {
    if (scan.outcome != ScanOutcome::Unreadable) {
        SquawkWatch::watch(context.window, context.state, context.platform, scan.squawks);
    }
}

}  // namespace corvane
