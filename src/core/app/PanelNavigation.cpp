#include "app/PanelNavigation.h"

#include "app/ExitOperation.h"
#include "settings/FolderChoice.h"
#include "window/AppContext.h"
#include "window/ConnectionReset.h"
#include "window/StationPresenter.h"
#include "window/WindowLayouts.h"

namespace corvane {

namespace {

void showOnly(MainWindowModel& w, Frame& shown) {
    for (Frame* panel : {&w.atis.frame, &w.departure.frame, &w.arrival.frame}) {
        panel->visible = panel == &shown;
    }
}

}  // namespace

void PanelNavigation::openAtisPanel(AppContext& context) {
    WindowLayouts::possuc(context.window);
    showOnly(context.window, context.window.atis.frame);
}

void PanelNavigation::openDeparturePanel(AppContext& context) {
    WindowLayouts::possuc(context.window);
    showOnly(context.window, context.window.departure.frame);
}

void PanelNavigation::openArrivalPanel(AppContext& context) {
    MainWindowModel& w = context.window;
    WindowLayouts::possuc(w);
    showOnly(w, w.arrival.frame);
    StationState& station = context.state.Station;
    station.arrivalNextCode = station.nextCode;
    StationPresenter::present(station, w);
}

void PanelNavigation::chooseProcedureFolder(AppContext& context) {
    WindowLayouts::possuc(context.window);
    WindowLayouts::posinit(context.window);
    FolderChoice::chooseProcedureFolder(context.state, context.platform, context.folder);
}

void PanelNavigation::chooseDataFolder(AppContext& context) {
    WindowLayouts::possuc(context.window);
    WindowLayouts::posinit(context.window);
    FolderChoice::chooseDataFolder(context.state, context.platform, context.folder);
}

void PanelNavigation::collapse(AppContext& context) {
    WindowLayouts::possuc(context.window);
    WindowLayouts::posinit(context.window);
}

void PanelNavigation::resetConnection(AppContext& context) {
    WindowLayouts::possuc(context.window);
    ConnectionReset::resetConnection(context);
}

void PanelNavigation::exit(AppContext& context) {
    WindowLayouts::possuc(context.window);
    WindowLayouts::posinit(context.window);
    ExitOperation::exit(context.state, context.platform, context.folder);
}

}  // namespace corvane
