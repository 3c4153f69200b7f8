#include "app/PanelNavigation.h"

#include "app/ExitOperation.h"
#include "settings/FolderChoice.h"
#include "window/AppContext.h"
#include "window/ConnectionReset.h"
#include "window/WindowLayouts.h"

namespace corvane {

namespace {

void showOnly(MainWindowModel& w, Frame& shown) {
    for (Frame* panel : {&w.FraMetar, &w.FraSid, &w.FraStar}) {
        panel->visible = panel == &shown;
    }
}

}  // namespace

void PanelNavigation::command3Click(AppContext& context, int index) {
    MainWindowModel& w = context.window;
    WindowLayouts::possuc(w);
    switch (index) {
        case 0:
            showOnly(w, w.FraMetar);
            break;
        case 1:
            showOnly(w, w.FraSid);
            break;
        case 3:
            showOnly(w, w.FraStar);
            w.LblSqArr.text = context.state.Station.nextCode;
            break;
        case 6:
            WindowLayouts::posinit(w);
            FolderChoice::chooseDataFolder(context.state, context.platform, context.folder);
            break;
        case 5:
            WindowLayouts::posinit(w);
            FolderChoice::chooseProcedureFolder(context.state, context.platform, context.folder);
            break;
        case 9:
            // The panel keeps its visibility but lies outside the collapsed window.
            WindowLayouts::posinit(w);
            break;
        case 7:
            ConnectionReset::resetConnection(context);
            break;
        case 8:
            WindowLayouts::posinit(w);
            ExitOperation::exit(context.state, context.platform, context.folder);
            break;
        default:
            break;
    }
}

}  // namespace corvane
