#include "window/ConnectionReset.h"

#include "window/AppContext.h"
#include "window/WindowLayouts.h"

namespace corvane {

namespace {

void emptyLabels(std::initializer_list<Label*> labels) {
    for (Label* label : labels) {
        label->text.clear();
    }
}

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
    emptyLabels({&w.lblQNH, &w.lblTL, &w.lblTA, &w.lblPollici, &w.LblPositionName, &w.LblNomeApt,
                 &w.LblAtisInf, &w.LblRating});
    w.lblQNH.backColour = colour::kYellow;
    w.lblPollici.backColour = colour::kYellow;
    clearDeparturePanel(w);
    clearArrivalPanel(w);
}

void ConnectionReset::clearDeparturePanel(MainWindowModel& w) {
    emptyLabels({&w.Label1_11, &w.Label1_13, &w.Lblr1_1, &w.Lblr2_1, &w.LblSquawk, &w.LblDistanceFP,
                 &w.LblFiledTas, &w.LblFiledAlt, &w.lblCurrentSpeed, &w.LblEndDepHr,
                 &w.lblEndDepMn});
    w.LstDeparture.clear();
    w.List1.clear();
    emptyLabels({&w.lblPosDep, &w.LblExpSid, &w.LblIfrSid, &w.lblCurrentAlt});
    w.txtSidAss.text.clear();
    w.TxtInClimb.text.clear();
    emptyLabels({&w.lblCompanyDep, &w.lblRemainNm, &w.lblNear});
    w.CmbSid.clear();
    w.CmbTORwy.clear();
    resetWarning(w.lblParam, w.Timer1);
}

void ConnectionReset::clearArrivalPanel(MainWindowModel& w) {
    w.cmbLandRwy.clear();
    w.cmbStar.clear();
    w.txtDescend.text.clear();
    w.txtStarAss.text.clear();
    w.lblCallSign.text.clear();
    w.LstArrival.clear();
    w.List2.clear();
    w.List3.clear();
    emptyLabels({&w.lblNearArr, &w.lblDistanceArr, &w.lblCompanyArr, &w.lblSpeedArr, &w.LblSqArr,
                 &w.lblSqAss, &w.lblEAThR, &w.lblEATmn, &w.LblAltArr, &w.lblExpStar, &w.lblEndArrHr,
                 &w.lblEndArrMn, &w.lblPosArr, &w.lblIfrStar});
    resetWarning(w.lblParArr, w.Timer2);
}

void ConnectionReset::deleteClearanceLogs(FileSystem& files, const ProgramFolder& folder) {
    for (const char* log : {ProgramFolder::kDepartureLog, ProgramFolder::kArrivalLog}) {
        // Removed even when it is a dangling link, which the existence test would not see.
        files.remove(folder.dataFile(log));
    }
}

}  // namespace corvane
