#include "window/MainWindowModel.h"

namespace corvane {

namespace {

template <typename Control>
Control* findByName(const std::vector<Control*>& controls, const std::string& name) {
    for (Control* control : controls) {
        if (control->name == name) {
            return control;
        }
    }
    return nullptr;
}

template <typename Control>
void add(std::vector<Control*>& controls, Control& control, const char* name) {
    control.name = name;
    controls.push_back(&control);
}

}  // namespace

MainWindowModel::MainWindowModel() {
    registerControls();
    setInitialState();
}

// The registration order is the order the headless driver lists the controls in.
void MainWindowModel::registerControls() {
    add(frames_, topStrip.frame, "Frame7");
    add(frames_, atis.frame, "FraMetar");
    add(frames_, departure.frame, "FraSid");
    add(frames_, arrival.frame, "FraStar");
    add(frames_, approachDetail.frame, "fraILS");

    add(textBoxes_, topStrip.account, "TxtOperatorName");
    add(textBoxes_, atis.positionNotes, "txtInfoPos");
    add(textBoxes_, departure.clearedLevel, "TxtInClimb");
    add(textBoxes_, departure.assignedProcedure, "txtSidAss");
    add(textBoxes_, arrival.clearedLevel, "txtDescend");
    add(textBoxes_, arrival.assignedProcedure, "txtStarAss");

    add(labels_, topStrip.callsign, "LblPositionName");
    add(labels_, topStrip.airportName, "LblNomeApt");
    add(labels_, topStrip.rating, "LblRating");
    add(labels_, topStrip.transitionAltitude, "lblTA");
    add(labels_, topStrip.qnh, "lblQNH");
    add(labels_, topStrip.qnhInches, "lblPollici");
    add(labels_, topStrip.transitionLevel, "lblTL");
    add(labels_, atis.information, "LblAtisInf");
    add(labels_, atis.airac, "LblAirac");
    add(labels_, atis.positionTitle, "lblPosition");
    add(labels_, departure.nextCode, "LblSquawk");
    add(labels_, departure.firstCode, "Lblr1_1");
    add(labels_, departure.lastCode, "Lblr2_1");
    add(labels_, departure.expectedProcedure, "LblExpSid");
    add(labels_, departure.clearance, "LblIfrSid");
    add(labels_, departure.ruleText, "lblRulTum");
    add(labels_, departure.airline, "lblCompanyDep");
    add(labels_, departure.phase, "lblPosDep");
    add(labels_, departure.message, "lblParam");
    add(labels_, departure.filedDeparture, "Label1(11)");
    add(labels_, departure.filedDestination, "Label1(13)");
    add(labels_, departure.routeDistance, "LblDistanceFP");
    add(labels_, departure.flyingHours, "LblEndDepHr");
    add(labels_, departure.flyingMinutes, "lblEndDepMn");
    add(labels_, departure.filedSpeed, "LblFiledTas");
    add(labels_, departure.filedLevel, "LblFiledAlt");
    add(labels_, departure.groundSpeed, "lblCurrentSpeed");
    add(labels_, departure.altitude, "lblCurrentAlt");
    add(labels_, departure.distanceToGo, "lblRemainNm");
    add(labels_, departure.nearAerodrome, "lblNear");
    add(labels_, departure.centre, "lblCtrDep");
    add(labels_, arrival.expectedProcedure, "lblExpStar");
    add(labels_, arrival.clearance, "lblIfrStar");
    add(labels_, arrival.ruleText, "Label6");
    add(labels_, arrival.nextCode, "LblSqArr");
    add(labels_, arrival.squawk, "lblSqAss");
    add(labels_, arrival.airline, "lblCompanyArr");
    add(labels_, arrival.filedDestination, "lblCallSign");
    add(labels_, arrival.distanceToGo, "lblDistanceArr");
    add(labels_, arrival.groundSpeed, "lblSpeedArr");
    add(labels_, arrival.flyingHours, "lblEndArrHr");
    add(labels_, arrival.flyingMinutes, "lblEndArrMn");
    add(labels_, arrival.altitude, "LblAltArr");
    add(labels_, arrival.arrivalHour, "lblEAThR");
    add(labels_, arrival.arrivalMinute, "lblEATmn");
    add(labels_, arrival.nearAerodrome, "lblNearArr");
    add(labels_, arrival.phase, "lblPosArr");
    add(labels_, arrival.message, "lblParArr");
    add(labels_, arrival.centre, "lblCtrArr");

    add(lists_, departure.traffic, "LstDeparture");
    add(lists_, arrival.traffic, "LstArrival");
    add(lists_, departure.cleared, "List1");
    add(lists_, arrival.cleared, "List2");
    add(lists_, arrival.approaches, "List3");
    add(lists_, approachDetail.lines, "List4");
    add(lists_, arrival.ruleTitles, "List5");
    add(lists_, departure.ruleTitles, "lstRulTum");

    add(combos_, departure.runway, "CmbTORwy");
    add(combos_, departure.procedure, "CmbSid");
    add(combos_, arrival.runway, "cmbLandRwy");
    add(combos_, arrival.procedure, "cmbStar");

    add(buttons_, topStrip.connect, "CmdExecute");
    add(buttons_, topStrip.openAtis, "Command3(0)");
    add(buttons_, topStrip.openDeparture, "Command3(1)");
    add(buttons_, topStrip.openArrival, "Command3(3)");
    add(buttons_, topStrip.chooseProcedureFolder, "Command3(5)");
    add(buttons_, topStrip.chooseDataFolder, "Command3(6)");
    add(buttons_, topStrip.reset, "Command3(7)");
    add(buttons_, topStrip.exit, "Command3(8)");
    add(buttons_, topStrip.collapse, "Command3(9)");
    add(buttons_, departure.generate, "cmdSidGen");
    add(buttons_, departure.remove, "cmdRemoveDep");
    add(buttons_, departure.showFlightPlan, "cmdFPDep");
    add(buttons_, arrival.generate, "cmdStarGen");
    add(buttons_, arrival.remove, "cmdRemoveArr");
    add(buttons_, arrival.showFlightPlan, "cmdFPArr");

    add(timers_, departure.messageBlink, "Timer1");
    add(timers_, arrival.messageBlink, "Timer2");
}

void MainWindowModel::setInitialState() {
    topStrip.frame.caption =
        "INSERT YOUR IVAO ACCOUNT TO CONNECT (NORMALLY NAME AND SURNAME BUT IF DON'T WORK INSERT "
        "VID NUMBER)";
    atis.frame.caption = "ATIS INFORMATION";
    departure.frame.caption = "IFR DEPARTURE CLEARANCE AND SQUAWK CODE ASSIGN";
    arrival.frame.caption = "STARS AND APPROACH CLEARANCE GENERATOR";
    for (Frame* frame : {&atis.frame, &departure.frame, &arrival.frame, &approachDetail.frame}) {
        frame->visible = false;
    }

    topStrip.account.maxLength = 30;
    departure.clearedLevel.maxLength = 5;
    arrival.clearedLevel.maxLength = 5;
    for (TextBox* box :
         {&atis.positionNotes, &departure.assignedProcedure, &arrival.assignedProcedure}) {
        box->readOnly = true;
    }

    topStrip.connect.caption = "CONNECT TO IVAO SERVER";
    topStrip.connect.enabled = false;  // until a key is typed into the operator name
    topStrip.openAtis.caption = "ATIS  INFORMATION";
    topStrip.openDeparture.caption = "DEPARTURE CLRS GENERATOR";
    topStrip.openArrival.caption = "APPROACH CLRS GENERATOR";
    topStrip.chooseProcedureFolder.caption = "SID/STAR FOLDER";
    topStrip.chooseDataFolder.caption = "DATA EYE FOLDER";
    topStrip.reset.caption = "RESET";
    topStrip.exit.caption = "EXIT";
    topStrip.collapse.caption = "RESET SUB WINDOW";
    departure.generate.caption = "GENERATE IFR DEPARTURE CLEARANCE";
    arrival.generate.caption = "GENERATE STAR AND APPROACH CLEARANCE";
    for (Button* remove : {&departure.remove, &arrival.remove}) {
        remove->caption = "REMOVE AIRCRAFT";
        remove->enabled = false;
    }
    for (Button* plan : {&departure.showFlightPlan, &arrival.showFlightPlan}) {
        plan->caption = "SHOW FLIGHT PLAN";
        plan->enabled = false;
    }

    departure.message.fontSize = 16;
    arrival.message.fontSize = 16;
}

Label* MainWindowModel::label(const std::string& name) const {
    return findByName(labels_, name);
}
TextBox* MainWindowModel::textBox(const std::string& name) const {
    return findByName(textBoxes_, name);
}
ListBox* MainWindowModel::list(const std::string& name) const {
    return findByName(lists_, name);
}
ComboBox* MainWindowModel::combo(const std::string& name) const {
    return findByName(combos_, name);
}
Button* MainWindowModel::button(const std::string& name) const {
    return findByName(buttons_, name);
}
Frame* MainWindowModel::frame(const std::string& name) const {
    return findByName(frames_, name);
}
BlinkTimer* MainWindowModel::timer(const std::string& name) const {
    return findByName(timers_, name);
}

TrafficPanel& MainWindowModel::panel(TrafficSide side) {
    if (side == TrafficSide::Departure) {
        return departure;
    }
    return arrival;
}

}  // namespace corvane
