#pragma once

#include <array>
#include <string>
#include <vector>

#include "window/BlinkTimer.h"
#include "window/Button.h"
#include "window/ComboBox.h"
#include "window/Frame.h"
#include "window/Label.h"
#include "window/ListBox.h"
#include "window/TextBox.h"

namespace corvane {

/// The two layouts of the main window.
enum class WindowLayout { Collapsed, Expanded };

/// The main window's view model: every display field, list, button, panel and timer of the
/// window by its control name, and the window's own geometry, top-most flag and focus. The Qt
/// window shows it; the headless driver dumps it.
class MainWindowModel {
public:
    static constexpr const char* kCaption = "APPROACH CORVANE";
    static constexpr int kWidthTwips = 19360;
    static constexpr int kCollapsedHeightTwips = 1530;
    static constexpr int kExpandedHeightTwips = 5200;

    MainWindowModel();
    MainWindowModel(const MainWindowModel&) = delete;
    MainWindowModel& operator=(const MainWindowModel&) = delete;

    // Window.
    std::string caption = kCaption;
    WindowLayout layout = WindowLayout::Collapsed;
    int left = 0;
    int top = 0;
    int width = kWidthTwips;
    int height = kCollapsedHeightTwips;
    bool topMost = false;
    /// Control holding the keyboard focus, or "" for none.
    std::string focus;

    // Top strip.
    Frame Frame7;
    TextBox TxtOperatorName;
    Button CmdExecute;
    Label LblPositionName, LblNomeApt, LblRating, lblTA, lblQNH, lblPollici, lblTL;
    /// Indices 0, 1, 3, 5, 6, 7, 8 and 9 exist; 2 and 4 are not part of the window.
    std::array<Button, 10> Command3;
    Frame fraILS;
    ListBox List4;

    // ATIS panel.
    Frame FraMetar;
    Label LblAtisInf, LblAirac, lblPosition;
    TextBox txtInfoPos;

    // Departure panel.
    Frame FraSid;
    ComboBox CmbTORwy, CmbSid;
    TextBox TxtInClimb;
    ListBox LstDeparture, List1, lstRulTum;
    Label LblSquawk, Lblr1_1, Lblr2_1, LblExpSid, LblIfrSid, lblRulTum;
    TextBox txtSidAss;
    Button cmdSidGen, cmdRemoveDep, cmdFPDep;
    Label lblCompanyDep, lblPosDep, lblParam, Label1_11, Label1_13, LblDistanceFP, LblEndDepHr,
        lblEndDepMn, LblFiledTas, LblFiledAlt, lblCurrentSpeed, lblCurrentAlt, lblRemainNm, lblNear,
        lblCtrDep;

    // Arrival panel.
    Frame FraStar;
    ComboBox cmbLandRwy, cmbStar;
    TextBox txtDescend;
    ListBox LstArrival, List2, List3, List5;
    Label lblExpStar, lblIfrStar, Label6, LblSqArr, lblSqAss;
    TextBox txtStarAss;
    Button cmdStarGen, cmdRemoveArr, cmdFPArr;
    Label lblCompanyArr, lblCallSign, lblDistanceArr, lblSpeedArr, lblEndArrHr, lblEndArrMn,
        LblAltArr, lblEAThR, lblEATmn, lblNearArr, lblPosArr, lblParArr, lblCtrArr;

    // Timers.
    BlinkTimer Timer1, Timer2;

    /// The value fields, text boxes, ... in the order the window lists them.
    const std::vector<Label*>& labels() const { return labels_; }
    const std::vector<TextBox*>& textBoxes() const { return textBoxes_; }
    const std::vector<ListBox*>& lists() const { return lists_; }
    const std::vector<ComboBox*>& combos() const { return combos_; }
    const std::vector<Button*>& buttons() const { return buttons_; }
    const std::vector<Frame*>& frames() const { return frames_; }
    const std::vector<BlinkTimer*>& timers() const { return timers_; }

    /// Look-ups by control name; null when the window has no such control of that kind.
    Label* label(const std::string& name) const;
    TextBox* textBox(const std::string& name) const;
    ListBox* list(const std::string& name) const;
    ComboBox* combo(const std::string& name) const;
    Button* button(const std::string& name) const;
    Frame* frame(const std::string& name) const;
    BlinkTimer* timer(const std::string& name) const;

    /// The Command3 button of `index` (0, 1, 3, 5, 6, 7, 8 or 9).
    Button& command(int index) { return Command3.at(static_cast<std::size_t>(index)); }
    /// The registered name of the Command3 button of `index`: "Command3(index)".
    static std::string commandName(int index) { return "Command3(" + std::to_string(index) + ")"; }
    /// The indices of the Command3 buttons that exist.
    static constexpr std::array<int, 8> kCommandIndices = {0, 1, 3, 5, 6, 7, 8, 9};

private:
    void registerControls();
    void setInitialState();

    std::vector<Label*> labels_;
    std::vector<TextBox*> textBoxes_;
    std::vector<ListBox*> lists_;
    std::vector<ComboBox*> combos_;
    std::vector<Button*> buttons_;
    std::vector<Frame*> frames_;
    std::vector<BlinkTimer*> timers_;
};

}  // namespace corvane
