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
#define CORVANE_CONTROL(list, member) add(list, member, #member)
    CORVANE_CONTROL(frames_, Frame7);
    CORVANE_CONTROL(frames_, FraMetar);
    CORVANE_CONTROL(frames_, FraSid);
    CORVANE_CONTROL(frames_, FraStar);
    CORVANE_CONTROL(frames_, fraILS);

    CORVANE_CONTROL(textBoxes_, TxtOperatorName);
    CORVANE_CONTROL(textBoxes_, txtInfoPos);
    CORVANE_CONTROL(textBoxes_, TxtInClimb);
    CORVANE_CONTROL(textBoxes_, txtSidAss);
    CORVANE_CONTROL(textBoxes_, txtDescend);
    CORVANE_CONTROL(textBoxes_, txtStarAss);

    CORVANE_CONTROL(labels_, LblPositionName);
    CORVANE_CONTROL(labels_, LblNomeApt);
    CORVANE_CONTROL(labels_, LblRating);
    CORVANE_CONTROL(labels_, lblTA);
    CORVANE_CONTROL(labels_, lblQNH);
    CORVANE_CONTROL(labels_, lblPollici);
    CORVANE_CONTROL(labels_, lblTL);
    CORVANE_CONTROL(labels_, LblAtisInf);
    CORVANE_CONTROL(labels_, LblAirac);
    CORVANE_CONTROL(labels_, lblPosition);
    CORVANE_CONTROL(labels_, LblSquawk);
    CORVANE_CONTROL(labels_, Lblr1_1);
    CORVANE_CONTROL(labels_, Lblr2_1);
    CORVANE_CONTROL(labels_, LblExpSid);
    CORVANE_CONTROL(labels_, LblIfrSid);
    CORVANE_CONTROL(labels_, lblRulTum);
    CORVANE_CONTROL(labels_, lblCompanyDep);
    CORVANE_CONTROL(labels_, lblPosDep);
    CORVANE_CONTROL(labels_, lblParam);
    add(labels_, Label1_11, "Label1(11)");
    add(labels_, Label1_13, "Label1(13)");
    CORVANE_CONTROL(labels_, LblDistanceFP);
    CORVANE_CONTROL(labels_, LblEndDepHr);
    CORVANE_CONTROL(labels_, lblEndDepMn);
    CORVANE_CONTROL(labels_, LblFiledTas);
    CORVANE_CONTROL(labels_, LblFiledAlt);
    CORVANE_CONTROL(labels_, lblCurrentSpeed);
    CORVANE_CONTROL(labels_, lblCurrentAlt);
    CORVANE_CONTROL(labels_, lblRemainNm);
    CORVANE_CONTROL(labels_, lblNear);
    CORVANE_CONTROL(labels_, lblCtrDep);
    CORVANE_CONTROL(labels_, lblExpStar);
    CORVANE_CONTROL(labels_, lblIfrStar);
    CORVANE_CONTROL(labels_, Label6);
    CORVANE_CONTROL(labels_, LblSqArr);
    CORVANE_CONTROL(labels_, lblSqAss);
    CORVANE_CONTROL(labels_, lblCompanyArr);
    CORVANE_CONTROL(labels_, lblCallSign);
    CORVANE_CONTROL(labels_, lblDistanceArr);
    CORVANE_CONTROL(labels_, lblSpeedArr);
    CORVANE_CONTROL(labels_, lblEndArrHr);
    CORVANE_CONTROL(labels_, lblEndArrMn);
    CORVANE_CONTROL(labels_, LblAltArr);
    CORVANE_CONTROL(labels_, lblEAThR);
    CORVANE_CONTROL(labels_, lblEATmn);
    CORVANE_CONTROL(labels_, lblNearArr);
    CORVANE_CONTROL(labels_, lblPosArr);
    CORVANE_CONTROL(labels_, lblParArr);
    CORVANE_CONTROL(labels_, lblCtrArr);

    CORVANE_CONTROL(lists_, LstDeparture);
    CORVANE_CONTROL(lists_, LstArrival);
    CORVANE_CONTROL(lists_, List1);
    CORVANE_CONTROL(lists_, List2);
    CORVANE_CONTROL(lists_, List3);
    CORVANE_CONTROL(lists_, List4);
    CORVANE_CONTROL(lists_, List5);
    CORVANE_CONTROL(lists_, lstRulTum);

    CORVANE_CONTROL(combos_, CmbTORwy);
    CORVANE_CONTROL(combos_, CmbSid);
    CORVANE_CONTROL(combos_, cmbLandRwy);
    CORVANE_CONTROL(combos_, cmbStar);

    CORVANE_CONTROL(buttons_, CmdExecute);
    for (const int index : kCommandIndices) {
        Button& button = command(index);
        button.name = commandName(index);
        buttons_.push_back(&button);
    }
    CORVANE_CONTROL(buttons_, cmdSidGen);
    CORVANE_CONTROL(buttons_, cmdRemoveDep);
    CORVANE_CONTROL(buttons_, cmdFPDep);
    CORVANE_CONTROL(buttons_, cmdStarGen);
    CORVANE_CONTROL(buttons_, cmdRemoveArr);
    CORVANE_CONTROL(buttons_, cmdFPArr);

    CORVANE_CONTROL(timers_, Timer1);
    CORVANE_CONTROL(timers_, Timer2);
#undef CORVANE_CONTROL
}

void MainWindowModel::setInitialState() {
    Frame7.caption =
        "INSERT YOUR IVAO ACCOUNT TO CONNECT (NORMALLY NAME AND SURNAME BUT IF DON'T WORK INSERT "
        "VID NUMBER)";
    FraMetar.caption = "ATIS INFORMATION";
    FraSid.caption = "IFR DEPARTURE CLEARANCE AND SQUAWK CODE ASSIGN";
    FraStar.caption = "STARS AND APPROACH CLEARANCE GENERATOR";
    for (Frame* frame : {&FraMetar, &FraSid, &FraStar, &fraILS}) {
        frame->visible = false;
    }

    TxtOperatorName.maxLength = 30;
    TxtInClimb.maxLength = 5;
    txtDescend.maxLength = 5;
    for (TextBox* box : {&txtInfoPos, &txtSidAss, &txtStarAss}) {
        box->readOnly = true;
    }

    CmdExecute.caption = "CONNECT TO IVAO SERVER";
    CmdExecute.enabled = false;  // until a key is typed into the operator name
    command(0).caption = "ATIS  INFORMATION";
    command(1).caption = "DEPARTURE CLRS GENERATOR";
    command(3).caption = "APPROACH CLRS GENERATOR";
    command(5).caption = "SID/STAR FOLDER";
    command(6).caption = "DATA EYE FOLDER";
    command(7).caption = "RESET";
    command(8).caption = "EXIT";
    command(9).caption = "RESET SUB WINDOW";
    cmdSidGen.caption = "GENERATE IFR DEPARTURE CLEARANCE";
    cmdStarGen.caption = "GENERATE STAR AND APPROACH CLEARANCE";
    for (Button* remove : {&cmdRemoveDep, &cmdRemoveArr}) {
        remove->caption = "REMOVE AIRCRAFT";
        remove->enabled = false;
    }
    for (Button* plan : {&cmdFPDep, &cmdFPArr}) {
        plan->caption = "SHOW FLIGHT PLAN";
        plan->enabled = false;
    }

    lblParam.fontSize = 16;
    lblParArr.fontSize = 16;
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

}  // namespace corvane
