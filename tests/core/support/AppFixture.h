#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/MainWindowController.h"
#include "common/NumberText.h"
#include "support/CaseTable.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"
#include "window/ShownText.h"
#include "window/StationPresenter.h"
#include "window/TrafficPanelPresenter.h"

namespace corvane::test {

/// A program folder with a DATA subfolder, a fake platform and a main window on them.
class AppFixture : public ::testing::Test {
protected:
    AppFixture() {
        home.write("DATA/.keep", "");
        app = std::make_unique<MainWindowController>(platform, home.path());
    }

    /// Creates the window (start-up and first activation).
    void start() { app->start(); }
    /// Types `text` key by key into `control`.
    void type(const std::string& control, const std::string& text) {
        for (const char c : text) {
            app->keyPress(control, static_cast<unsigned char>(c));
        }
    }
    /// Writes the snapshot radar/recent.dat from `lines`, CR LF ended, and points SnapshotPath
    /// at it.
    void writeSnapshot(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line + "\r\n";
        }
        home.write("radar/recent.dat", bytes);
        state().SnapshotPath = home.file("radar/recent.dat");
    }
    MainWindowModel& window() { return app->window(); }

    /// The program value the value field `name` shows, when one does: a preset of such a field
    /// sets the value, which the decisions read, and shows it.
    std::string* programValueShownIn(const std::string& name) {
        if (name == window().atis.positionNotes.name) {
            return &state().Station.positionNotes;
        }
        for (TrafficSide side : {TrafficSide::Departure, TrafficSide::Arrival}) {
            const TrafficPanel& panel = window().panel(side);
            if (name == panel.ruleText.name) {
                return side == TrafficSide::Departure ? &state().DepartureRule
                                                      : &state().ArrivalRule;
            }
            if (name == panel.clearance.name || name == panel.assignedProcedure.name) {
                ClearanceTexts& texts = state().clearanceTexts(side);
                return name == panel.clearance.name ? &texts.clearance : &texts.procedure;
            }
        }
        const Label* label = window().label(name);
        if (label == nullptr) {
            return nullptr;
        }
        for (const StationPresenter::Field& f : StationPresenter::fields()) {
            if (&f.label(window()) == label) {
                return &(state().Station.*f.value);
            }
        }
        for (TrafficSide side : {TrafficSide::Departure, TrafficSide::Arrival}) {
            for (const TrafficPanelPresenter::Field& f :
                 side == TrafficSide::Departure ? TrafficPanelPresenter::departureFields()
                                                : TrafficPanelPresenter::arrivalFields()) {
                if (&f.label(window()) == label) {
                    return &(state().aircraft(side).*f.value);
                }
            }
        }
        return nullptr;
    }
    /// A message preset on a panel becomes its side's message, as if an analysis had left it.
    void adoptShownMessages() {
        for (TrafficSide side : {TrafficSide::Departure, TrafficSide::Arrival}) {
            const TrafficPanel& panel = window().panel(side);
            state().aircraft(side).message = {shownText(panel.message.text), panel.message.fontSize,
                                              panel.messageBlink.enabled};
        }
    }
    ProgramState& state() { return app->state(); }
    AppContext& context() { return app->context(); }

    /// The field `name` of the flight plan record of `side`'s aircraft, or null.
    FlightPlanRecord* planField(const std::string& name, std::string*& field, TrafficSide side) {
        FlightPlanRecord& p = state().aircraft(side).record;
        // clang-format off
        const std::pair<const char*, std::string*> fields[] = {
            {"PilotInCommand", &p.PilotInCommand}, {"WakeCategory", &p.WakeCategory},
            {"AircraftType", &p.AircraftType}, {"Equipment", &p.Equipment},
            {"Destination", &p.Destination}, {"Alternate", &p.Alternate},
            {"Alternate2", &p.Alternate2}, {"FlightRules", &p.FlightRules},
            {"DepTime", &p.DepTime}, {"TotalEet", &p.TotalEet}, {"Endurance", &p.Endurance},
            {"Route", &p.Route}, {"OtherInfo", &p.OtherInfo},
            {"PersonsOnBoard", &p.PersonsOnBoard}, {"FlightType", &p.FlightType}};
        // clang-format on
        field = nullptr;
        for (const auto& [fieldName, member] : fields) {
            field = name == fieldName ? member : field;
        }
        return &p;
    }
    /// Sets what `key` names to `value`: a label ("<label>.size", ".visible" on/off, ".back"
    /// colour), text or combo box (text), list ("|" between items; "<list>.selected"), timer or
    /// button (on/off), "plan.<field>", "DistanceToGo", "ProcedureText", "clock" (h:mm), a
    /// side's stored plan (callsign, none when empty; "<side>Plan.rules"), the callsign a side's
    /// analysis found without a plan ("<side>WithoutPlan"), "file" (removes it).
    void preset(const std::string& key, const std::string& value) {
        std::string* field = nullptr;
        if (key.rfind("plan.", 0) == 0 && planField(key.substr(5), field, TrafficSide::Departure) &&
            field) {
            // Either side's next analysis starts from this record.
            *field = value;
            planField(key.substr(5), field, TrafficSide::Arrival);
            *field = value;
        } else if (std::string* shown = programValueShownIn(key)) {
            *shown = value;
            StationPresenter::present(state().Station, window());
            TrafficPanelPresenter::present(TrafficSide::Departure, state(), window());
            TrafficPanelPresenter::present(TrafficSide::Arrival, state(), window());
        } else if (Label* label = window().label(key.substr(0, key.find('.')))) {
            const std::string part = key.substr(std::min(key.size(), key.find('.')));
            part.empty()         ? void(label->text = value)
            : part == ".size"    ? void(label->fontSize = std::stoi(value))
            : part == ".visible" ? void(label->visible = value == "on")
                                 : void(label->backColour = std::stoi(value));
            adoptShownMessages();
        } else if (TextBox* box = window().textBox(key)) {
            box->text = value;
        } else if (ComboBox* combo = window().combo(key)) {
            combo->text = value;
        } else if (ListBox* list = window().list(key.substr(0, key.find(".selected")))) {
            key == list->name ? void(list->items = splitAt(value, '|'))
                              : void(list->selected = std::stoi(value));
            // An assigned list is the program's own record of the clearances given.
            state().AssignedDepartures = window().departure.cleared.items;
            state().AssignedArrivals = window().arrival.cleared.items;
        } else if (BlinkTimer* timer = window().timer(key)) {
            timer->enabled = value == "on";
            adoptShownMessages();
        } else if (Button* button = window().button(key)) {
            button->enabled = value == "on";
        } else if (key == "DistanceToGo") {
            state().DepartureAircraft.distanceToGoNm = std::stod(value);
            state().ArrivalAircraft.distanceToGoNm = std::stod(value);
        } else if (key == "clock") {
            platform.clock = {std::stoi(value), std::stoi(value.substr(value.find(':') + 1))};
        } else if (key == "DeparturePlan" || key == "ArrivalPlan") {
            auto& plan = key == "DeparturePlan" ? state().DeparturePlan : state().ArrivalPlan;
            plan = AnalysedPlan{value, {}, "", "", "", std::nullopt};
            if (value.empty()) {
                plan.reset();
            }
        } else if (key == "DeparturePlan.rules" || key == "ArrivalPlan.rules") {
            (key[0] == 'D' ? state().DeparturePlan : state().ArrivalPlan)->Record.FlightRules =
                value;
        } else if (key == "DepartureWithoutPlan" || key == "ArrivalWithoutPlan") {
            (key[0] == 'D' ? state().DepartureWithoutPlan : state().ArrivalWithoutPlan) = value;
        } else if (key == "ProcedureText") {
            state().ProcedureText = value;
        } else if (key == "file") {
            std::filesystem::remove_all(home.file(value));
        } else {
            ADD_FAILURE() << "no such key " << key;
        }
    }
    /// What `key` names as text: the keys of preset(), "PlanningSpeed", "focus", "file:<relative>"
    /// ("(none)" when missing), the selected callsigns, "CallsignNumberLength", "IssuedCodes",
    /// "messages", their "titles" and "icons" ("|" between them, the snapshot's path as
    /// {snapshot}, the program folder as {home}), and the stored plans as callsign/aerodrome/
    /// level/speed/route ("<side>Plan.Destination", ".PilotInCommand"; "(no plan)" without one).
    std::string value(const std::string& key) {
        std::string* field = nullptr;
        const auto plan = [this](const std::optional<AnalysedPlan>& p) {
            return p ? p->Callsign + "/" + p->DepAerodrome + "/" + p->Level + "/" + p->CruiseSpeed +
                           "/" + p->Record.Route
                     : "";
        };
        const MainWindowModel& w = window();
        if (key.rfind("plan.", 0) == 0) {
            planField(key.substr(5), field, state().LastAnalysedSide);
            const AnalysedAircraft& last = state().lastAnalysed();
            return field                        ? *field
                   : key == "plan.DepAerodrome" ? last.planDepAerodrome()
                   : key == "plan.Level"        ? last.planLevel()
                                                : last.planCruiseSpeed();
        }
        if (const Label* label = w.label(key.substr(0, key.find('.')))) {
            const std::string part = key.substr(std::min(key.size(), key.find('.')));
            return part.empty()         ? shownText(label->text)
                   : part == ".size"    ? std::to_string(label->fontSize)
                   : part == ".visible" ? (label->visible ? "on" : "off")
                                        : std::to_string(label->backColour);
        }
        if (const TextBox* box = w.textBox(key)) {
            return box->text;
        }
        if (const ComboBox* combo = w.combo(key)) {
            return combo->text;
        }
        if (const ListBox* list = w.list(key)) {
            return joined(list->items, "|");
        }
        if (key.rfind("file:", 0) == 0) {
            return home.exists(key.substr(5)) ? home.read(key.substr(5)) : "(none)";
        }
        if (key == "focus" || key == "ProcedureText") {
            return key == "focus" ? w.focus : state().ProcedureText;
        }
        if (key == "SelectedDepartureCallsign" || key == "SelectedArrivalCallsign") {
            return key[8] == 'D' ? state().SelectedDepartureCallsign
                                 : state().SelectedArrivalCallsign;
        }
        if (key == "CallsignNumberLength") {
            return std::to_string(state().CallsignNumberLength);
        }
        if (key == "IssuedCodes") {
            return joined(state().IssuedCodes, "|");
        }
        if (const BlinkTimer* timer = w.timer(key)) {
            return timer->enabled ? "on" : "off";
        }
        if (const Button* button = w.button(key)) {
            return button->enabled ? "on" : "off";
        }
        if (key == "DistanceToGo" || key == "PlanningSpeed") {
            const AnalysedAircraft& last = state().lastAnalysed();
            return NumberText::format(key == "DistanceToGo" ? last.distanceToGoNm
                                                            : last.planningSpeed);
        }
        if (key.starts_with("DeparturePlan") || key.starts_with("ArrivalPlan")) {
            const auto& stored = key[0] == 'D' ? state().DeparturePlan : state().ArrivalPlan;
            return key.ends_with("Plan")          ? plan(stored)
                   : !stored                      ? "(no plan)"
                   : key.ends_with("Destination") ? stored->Record.Destination
                                                  : stored->Record.PilotInCommand;
        }
        std::string shown;
        if (key == "titles" || key == "icons") {
            for (const RecordedMessage& message : platform.messages) {
                shown += (shown.empty() ? "" : "|") +
                         (key == "titles" ? message.title
                                          : std::to_string(static_cast<int>(message.icon)));
            }
            return shown;
        }
        for (std::string text : platform.messageTexts()) {
            const auto at = text.find(state().SnapshotPath);
            if (!state().SnapshotPath.empty() && at != std::string::npos) {
                text.replace(at, state().SnapshotPath.size(), "{snapshot}");
            }
            if (const auto in = text.find(home.path()); in != std::string::npos) {
                text.replace(in, home.path().size(), "{home}");
            }
            shown += (shown.empty() ? "" : "|") + text;
        }
        EXPECT_EQ(key, "messages") << "no such key";
        return shown;
    }

    TempFolder home;
    FakePlatform platform;
    std::unique_ptr<MainWindowController> app;
};

}  // namespace corvane::test
