#include "window/ConnectionReset.h"

#include <utility>

#include "window/AppContext.h"
#include "window/StationPresenter.h"
#include "window/TrafficPanelPresenter.h"
#include "window/WindowLayouts.h"

namespace corvane {

namespace {

// What a reset empties of a side. The centre field is not part of it: the next analysis writes
// it anew. The message keeps its font size (and its field its visibility): the next aircraft
// selection sets both.
void clearSide(ProgramState& state, TrafficSide side) {
    AnalysedAircraft& aircraft = state.aircraft(side);
    aircraft.clearFiguresBut({&AnalysedAircraft::centre});
    aircraft.message.caption.clear();
    aircraft.message.warning = false;
    state.clearanceTexts(side) = {};
    state.assigned(side).clear();
}

}  // namespace

void ConnectionReset::resetConnection(AppContext& context) {
    MainWindowModel& w = context.window;
    w.arrival.frame.visible = false;
    w.departure.frame.visible = false;
    w.atis.frame.visible = false;
    WindowLayouts::posinit(w);
    clearStation(w, context.state);
    w.topStrip.account.enabled = true;
    w.focus = w.topStrip.account.name;
    WindowLayouts::disableButtons(w);
    w.topStrip.connect.enabled = false;
    w.topStrip.chooseProcedureFolder.enabled = true;
    w.topStrip.chooseDataFolder.enabled = true;
    w.topStrip.exit.enabled = true;
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
    w.topStrip.account.text.clear();
    // The ATIS panel's procedure and position texts stay until the next connect writes them.
    StationState cleared;
    cleared.airac = std::move(state.Station.airac);
    cleared.positionTitle = std::move(state.Station.positionTitle);
    cleared.positionNotes = std::move(state.Station.positionNotes);
    state.Station = std::move(cleared);
    w.topStrip.qnh.backColour = colour::kYellow;
    w.topStrip.qnhInches.backColour = colour::kYellow;
    // Each panel's clearing shows the station as it is now.
    clearDeparturePanel(w, state);
    clearArrivalPanel(w, state);
}

void ConnectionReset::clearDeparturePanel(MainWindowModel& w, ProgramState& state) {
    state.Station.firstCode.clear();
    state.Station.lastCode.clear();
    state.Station.nextCode.clear();
    StationPresenter::present(state.Station, w);
    clearSide(state, TrafficSide::Departure);
    TrafficPanelPresenter::present(TrafficSide::Departure, state, w);
    w.departure.traffic.clear();
    w.departure.clearedLevel.text.clear();
    w.departure.procedure.clear();
    w.departure.runway.clear();
}

void ConnectionReset::clearArrivalPanel(MainWindowModel& w, ProgramState& state) {
    w.arrival.runway.clear();
    w.arrival.procedure.clear();
    w.arrival.clearedLevel.text.clear();
    w.arrival.traffic.clear();
    w.arrival.approaches.clear();
    clearSide(state, TrafficSide::Arrival);
    TrafficPanelPresenter::present(TrafficSide::Arrival, state, w);
    state.Station.arrivalNextCode.clear();
    StationPresenter::present(state.Station, w);
}

void ConnectionReset::deleteClearanceLogs(FileSystem& files, const ProgramFolder& folder) {
    for (const char* log : {ProgramFolder::kDepartureLog, ProgramFolder::kArrivalLog}) {
        // Removed even when it is a dangling link, which the existence test would not see.
        files.remove(folder.dataFile(log));
    }
}

}  // namespace corvane
