#include "traffic/TrafficSelection.h"

#include "common/TextColumns.h"

#include "traffic/AirlineLookup.h"
#include "traffic/ArrivalAnalysis.h"
#include "traffic/DepartureAnalysis.h"
#include "window/AppContext.h"

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
                          w.lblCompanyDep);
    if (DepartureAnalysis::analyse(context).missing()) {
        AircraftLineScan::reportMissing(context.platform, state.SelectedDepartureCallsign);
    }
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
                          w.lblCompanyArr);
    if (ArrivalAnalysis::analyse(context).missing()) {
        AircraftLineScan::reportMissing(context.platform, state.SelectedArrivalCallsign);
    }
    w.cmdFPArr.enabled = true;
}

void TrafficSelection::clearMessage(Label& message, BlinkTimer& timer) {
    timer.enabled = false;
    message.backColour = colour::kYellow;
    message.fontSize = 16;
    message.text.clear();
    message.visible = true;
}

std::string TrafficSelection::assignedCallsign(std::string_view entry) {
    return std::string(trimTrailingSpaces(entry.substr(0, entry.find(" - "))));
}

}  // namespace corvane
