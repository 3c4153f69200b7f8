#pragma once

#include <initializer_list>
#include <string>

#include "common/NumberText.h"
#include "support/AppFixture.h"
#include "support/CaseName.h"
#include "support/CaseTable.h"
#include "support/SnapshotLines.h"

namespace corvane::test {

/// A started window whose snapshot is a file the test writes, and the data of this area.
class TrafficFixture : public AppFixture {
protected:
    TrafficFixture() { start(); }

    /// Writes the snapshot (CR LF lines) and points SnapshotPath at it.
    void snapshot(std::initializer_list<std::string> lines) {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line + "\r\n";
        }
        home.write("radar/recent.dat", bytes);
        state().SnapshotPath = home.file("radar/recent.dat");
    }
    /// Copies a file of tests/data/traffic into the program folder at `relative`.
    void copyData(const std::string& name, const std::string& relative) {
        home.write(relative,
                   test::readFileBytes(std::string(CORVANE_TEST_DATA) + "/traffic/" + name));
    }
    /// The airline table of the tests in the DATA folder.
    void airlineTable() { copyData("airlines.dat", "DATA/airlines.dat"); }

    /// The flight plan record's field `name`, or null.
    FlightPlanRecord* planField(const std::string& name, std::string*& field) {
        FlightPlanRecord& p = state().FlightPlan;
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
    /// Sets what `key` names (a label, text box, timer or button of the window, "plan.<field>",
    /// "DistanceToGo", "clock" or a side's stored plan) to `value`.
    void preset(const std::string& key, const std::string& value) {
        std::string* field = nullptr;
        if (key.rfind("plan.", 0) == 0 && planField(key.substr(5), field) && field) {
            *field = value;
        } else if (Label* label = window().label(key)) {
            label->text = value;
        } else if (TextBox* box = window().textBox(key)) {
            box->text = value;
        } else if (BlinkTimer* timer = window().timer(key)) {
            timer->enabled = value == "on";
        } else if (Button* button = window().button(key)) {
            button->enabled = value == "on";
        } else if (key == "DistanceToGo") {
            state().DistanceToGo = std::stod(value);
        } else if (key == "clock") {
            platform.clock = {std::stoi(value), std::stoi(value.substr(value.find(':') + 1))};
        } else if (key == "DeparturePlan" || key == "ArrivalPlan") {
            (key == "DeparturePlan" ? state().DeparturePlan : state().ArrivalPlan) =
                AnalysedPlan{value, {}, "", "", ""};
        } else {
            ADD_FAILURE() << "no such key " << key;
        }
    }
    /// What `key` names as text: the keys of preset(), "<label>.size" for its font size,
    /// "PlanningSpeed", "messages" (the message boxes shown, "|" between them, the snapshot's
    /// path as {snapshot}) and the stored plans as callsign/aerodrome/level/speed/route.
    std::string value(const std::string& key) {
        std::string* field = nullptr;
        const auto plan = [this](const std::optional<AnalysedPlan>& p) {
            return p ? p->Callsign + "/" + p->DepAerodrome + "/" + p->Level + "/" + p->CruiseSpeed +
                           "/" + p->Record.Route
                     : "";
        };
        const MainWindowModel& w = window();
        if (key.rfind("plan.", 0) == 0) {
            const FlightPlanRecord* record = planField(key.substr(5), field);
            return field                        ? *field
                   : key == "plan.DepAerodrome" ? record->DepAerodrome(w)
                   : key == "plan.Level"        ? record->Level(w)
                                                : record->CruiseSpeed(w);
        }
        if (const Label* label = w.label(key.substr(0, key.find(".size")))) {
            return key.find(".size") == std::string::npos ? label->text
                                                          : std::to_string(label->fontSize);
        }
        if (const TextBox* box = w.textBox(key)) {
            return box->text;
        }
        if (const BlinkTimer* timer = w.timer(key)) {
            return timer->enabled ? "on" : "off";
        }
        if (const Button* button = w.button(key)) {
            return button->enabled ? "on" : "off";
        }
        if (key == "DistanceToGo" || key == "PlanningSpeed") {
            return NumberText::format(key == "DistanceToGo" ? state().DistanceToGo
                                                            : state().PlanningSpeed);
        }
        if (key == "DeparturePlan" || key == "ArrivalPlan") {
            return plan(key == "DeparturePlan" ? state().DeparturePlan : state().ArrivalPlan);
        }
        std::string shown;
        for (std::string text : platform.messageTexts()) {
            const auto at = text.find(state().SnapshotPath);
            if (!state().SnapshotPath.empty() && at != std::string::npos) {
                text.replace(at, state().SnapshotPath.size(), "{snapshot}");
            }
            shown += (shown.empty() ? "" : "|") + text;
        }
        EXPECT_EQ(key, "messages") << "no such key";
        return shown;
    }
};

}  // namespace corvane::test
