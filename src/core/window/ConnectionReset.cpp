#include "window/ConnectionReset.h"

#include "window/AppContext.h"
#include "window/StationPresenter.h"
#include "window/TrafficPanelPresenter.h"
#include "window/WindowLayouts.h"

namespace corvane {

namespace {

void resetWarning(Label& warning, BlinkTimer& timer) {
    // The visibility stays as the blink left it; the next aircraft selection shows it again.
    timer.enabled = false;
    warning.backColour = colour::kYellow;
    warning.text.clear();
}

}  // namespace

void ConnectionReset::resetConnection(AppContext& context) {
    MainWindowModel& w = context.window;
    w.FraStar.visible = false;
    w.FraSid.visible = false;
    w.FraMetar.visible = false;
    WindowLayouts::posinit(w);
    clearStation(w, context.state);
    w.TxtOperatorName.enabled = true;
    w.focus = w.TxtOperatorName.name;
    WindowLayouts::disableButtons(w);
    w.CmdExecute.enabled = false;
    w.command(5).enabled = true;
    w.command(6).enabled = true;
    w.command(8).enabled = true;
    deleteClearanceLogs(context.files(), context.folder);
    // Codes handed out and records logged belong to the connection that ends here.
    context.state.IssuedCodes.clear();
    context.state.LastWholeSnapshot.reset();
    context.state.ToldEmergencies.clear();
    context.state.StationVid.clear();
    context.state.DepartureRecords.clear();
    context.state.ArrivalRecords.clear();
    context.state.ClearedDepartures.clear();
    context.state.ClearedArrivals.clear();
}

void ConnectionReset::clearStation(MainWindowModel& w, ProgramState& state) {
    state.SnapshotPath.clear();
    w.TxtOperatorName.text.clear();
    state.Station = {};
    StationPresenter::present(state.Station, w);
    w.lblQNH.backColour = colour::kYellow;
    w.lblPollici.backColour = colour::kYellow;
    clearDeparturePanel(w, state);
    clearArrivalPanel(w, state);
}

void ConnectionReset::clearDeparturePanel(MainWindowModel& w, ProgramState& state) {
    state.Station.firstCode.clear();
    state.Station.lastCode.clear();
    state.Station.nextCode.clear();
    StationPresenter::present(state.Station, w);
    // The centre field is not part of what a reset empties: the next analysis writes it anew.
    state.DepartureAircraft.clearFiguresBut({&AnalysedAircraft::centre});
    TrafficPanelPresenter::presentDeparture(state.DepartureAircraft, w);
    w.LstDeparture.clear();
    w.List1.clear();
    w.LblIfrSid.text.clear();
    w.txtSidAss.text.clear();
    w.TxtInClimb.text.clear();
    w.CmbSid.clear();
    w.CmbTORwy.clear();
    resetWarning(w.lblParam, w.Timer1);
}

void ConnectionReset::clearArrivalPanel(MainWindowModel& w, ProgramState& state) {
    w.cmbLandRwy.clear();
    w.cmbStar.clear();
    w.txtDescend.text.clear();
    w.txtStarAss.text.clear();
    w.LstArrival.clear();
    w.List2.clear();
    w.List3.clear();
    state.ArrivalAircraft.clearFiguresBut({&AnalysedAircraft::centre});
    TrafficPanelPresenter::presentArrival(state.ArrivalAircraft, w);
    w.LblSqArr.text.clear();
    w.lblIfrStar.text.clear();
    resetWarning(w.lblParArr, w.Timer2);
}

void ConnectionReset::deleteClearanceLogs(FileSystem& files, const ProgramFolder& folder) {
    for (const char* log : {ProgramFolder::kDepartureLog, ProgramFolder::kArrivalLog}) {
        // Removed even when it is a dangling link, which the existence test would not see.
        files.remove(folder.dataFile(log));
    }
}

}  // namespace corvane
