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
#include "window/TrafficSide.h"

namespace corvane {

enum class WindowLayout { Collapsed, Expanded };

/// The strip across the top: the account to connect with, the station and the panel buttons.
struct TopStrip {
    Frame frame;
    TextBox account;
    Button connect;
    Label callsign, airportName, rating, transitionAltitude, qnh, qnhInches, transitionLevel;
    /// Registered as `Command3(0)`, (1), (3), (5), (6), (7), (8) and (9), in this order.
    Button openAtis, openDeparture, openArrival, chooseProcedureFolder, chooseDataFolder, reset,
        exit, collapse;

    std::array<Button*, 8> commands() {
        return {&openAtis,         &openDeparture, &openArrival, &chooseProcedureFolder,
                &chooseDataFolder, &reset,         &exit,        &collapse};
    }
};

/// The lines of one approach procedure, shown over the top strip.
struct ApproachDetail {
    Frame frame;
    ListBox lines;
};

struct AtisPanel {
    Frame frame;
    Label information, airac, positionTitle;
    TextBox positionNotes;
};

/// What the departure and the arrival panel both have, each for its own side: the traffic list,
/// the clearance inputs and text, the selected aircraft's figures and the rules of thumb.
struct TrafficPanel {
    Frame frame;
    ComboBox runway, procedure;
    TextBox clearedLevel, assignedProcedure;
    ListBox traffic, cleared, ruleTitles;
    Label nextCode, expectedProcedure, clearance, ruleText;
    Button generate, remove, showFlightPlan;
    Label airline, phase, message, altitude, groundSpeed, distanceToGo, flyingHours, flyingMinutes,
        nearAerodrome, centre, filedDestination;
    /// Makes `message` blink while it warns.
    BlinkTimer messageBlink;
};

struct DeparturePanel : TrafficPanel {
    /// The station's squawk range.
    Label firstCode, lastCode;
    Label filedDeparture, filedLevel, filedSpeed, routeDistance;
};

struct ArrivalPanel : TrafficPanel {
    ListBox approaches;
    Label squawk, arrivalHour, arrivalMinute;
};

/// The main window's view model: every display field, list, button, panel and timer of the
/// window, grouped by panel, and the window's own geometry, top-most flag and focus. Each control
/// also carries its registered name, by which the Qt window binds it and the headless driver
/// dumps and drives it.
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

    TopStrip topStrip;
    ApproachDetail approachDetail;
    AtisPanel atis;
    DeparturePanel departure;
    ArrivalPanel arrival;

    TrafficPanel& panel(TrafficSide side);

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

/// The label `field` of the window's `part`, as a plain function, for tables of fields.
template <auto part, auto field>
Label& labelIn(MainWindowModel& window) {
    return (window.*part).*field;
}

}  // namespace corvane
