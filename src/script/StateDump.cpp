#include "StateDump.h"

#include <cmath>

#include "ScriptPlatform.h"
#include "app/MainWindowController.h"
#include "window/ShownText.h"

namespace corvane {

namespace {

using Json = nlohmann::ordered_json;

Json number(double value) {
    if (std::isfinite(value) && std::floor(value) == value && std::fabs(value) < 9.0e15) {
        return static_cast<long long>(value);
    }
    return value;
}

Json windowJson(const MainWindowModel& w) {
    return Json{{"caption", w.caption},
                {"layout", w.layout == WindowLayout::Collapsed ? "collapsed" : "expanded"},
                {"left", w.left},
                {"top", w.top},
                {"width", w.width},
                {"height", w.height},
                {"topmost", w.topMost}};
}

Json textJson(const MainWindowModel& w) {
    Json text = Json::object();
    for (const Label* label : w.labels()) {
        text[label->name] = shownText(label->text);
    }
    for (const TextBox* box : w.textBoxes()) {
        text[box->name] = box->text;
    }
    for (const ComboBox* combo : w.combos()) {
        text[combo->name] = combo->text;
    }
    return text;
}

void addListsAndSelections(const MainWindowModel& w, Json& doc) {
    Json items = Json::object();
    Json selected = Json::object();
    for (const ListBox* list : w.lists()) {
        items[list->name] = list->items;
        selected[list->name] = list->selected;
    }
    for (const ComboBox* combo : w.combos()) {
        items[combo->name] = combo->items;
        selected[combo->name] = combo->selected;
    }
    doc["items"] = std::move(items);
    doc["selected"] = std::move(selected);
}

const char* markName(MarkKind kind) {
    switch (kind) {
        case MarkKind::NotSet:
            return "not-set";
        case MarkKind::Gone:
            return "gone";
        case MarkKind::Duplicate:
            return "duplicate";
        case MarkKind::Emergency:
            return "emergency";
        case MarkKind::None:
            break;
    }
    return "";
}

// The lists whose entries are marked from the transponders.
Json marksJson(const MainWindowModel& w) {
    Json marks = Json::object();
    for (const ListBox* list :
         {&w.departure.traffic, &w.departure.cleared, &w.arrival.traffic, &w.arrival.cleared}) {
        Json kinds = Json::array();
        for (std::size_t i = 0; i < list->items.size(); ++i) {
            kinds.push_back(markName(list->markAt(static_cast<int>(i)).kind));
        }
        marks[list->name] = std::move(kinds);
    }
    return marks;
}

Json enabledJson(const MainWindowModel& w) {
    Json enabled = Json::object();
    for (const Button* button : w.buttons()) {
        enabled[button->name] = button->enabled;
    }
    for (const TextBox* box : w.textBoxes()) {
        enabled[box->name] = box->enabled;
    }
    for (const ComboBox* combo : w.combos()) {
        enabled[combo->name] = combo->enabled;
    }
    return enabled;
}

Json stateJson(const ProgramState& s) {
    Json state = Json::object();
    state["SnapshotPath"] = s.SnapshotPath;
    state["ProcFolder"] = s.ProcFolder;
    state["FolderSelector"] = s.FolderSelector;
    state["AirportCode"] = s.AirportCode;
    state["CentreMode"] = s.CentreMode;
    state["SelectedDepartureCallsign"] = s.SelectedDepartureCallsign;
    state["SelectedArrivalCallsign"] = s.SelectedArrivalCallsign;
    state["DistanceToGo"] = number(s.lastAnalysed().distanceToGoNm);
    state["ProcedureText"] = s.ProcedureText;
    state["CallsignNumberLength"] = s.CallsignNumberLength;
    state["FlightPlanKind"] = s.FlightPlanKind ? Json(*s.FlightPlanKind) : Json(nullptr);
    return state;
}

Json flightPlanJson(const AnalysedAircraft& aircraft) {
    const FlightPlanRecord& plan = aircraft.record;
    return Json{{"PilotInCommand", plan.PilotInCommand},
                {"WakeCategory", plan.WakeCategory},
                {"AircraftType", plan.AircraftType},
                {"Equipment", plan.Equipment},
                {"DepAerodrome", aircraft.planDepAerodrome()},
                {"Destination", plan.Destination},
                {"Alternate", plan.Alternate},
                {"Alternate2", plan.Alternate2},
                {"Level", aircraft.planLevel()},
                {"CruiseSpeed", aircraft.planCruiseSpeed()},
                {"FlightRules", plan.FlightRules},
                {"DepTime", plan.DepTime},
                {"TotalEet", plan.TotalEet},
                {"Endurance", plan.Endurance},
                {"Route", plan.Route},
                {"OtherInfo", plan.OtherInfo},
                {"PersonsOnBoard", plan.PersonsOnBoard},
                {"FlightType", plan.FlightType}};
}

Json messagesJson(const ScriptPlatform& platform) {
    Json messages = Json::array();
    for (const ShownMessage& shown : platform.messages()) {
        messages.push_back(
            Json{{"text", shown.text},
                 {"title", shown.title},
                 {"icon", shown.icon == MessageIcon::Exclamation ? "exclamation" : "question"},
                 {"buttons", shown.buttons == MessageButtons::Ok ? "ok" : "yesno"}});
    }
    return messages;
}

}  // namespace

nlohmann::ordered_json StateDump::make(const MainWindowController& controller,
                                       const ScriptPlatform& platform) {
    const MainWindowModel& w = controller.window();
    const ProgramState& s = controller.state();
    Json doc = Json::object();
    doc["running"] = s.running;
    doc["window"] = windowJson(w);
    doc["focus"] = w.focus.empty() ? Json(nullptr) : Json(w.focus);
    doc["text"] = textJson(w);
    addListsAndSelections(w, doc);
    doc["marks"] = marksJson(w);
    doc["enabled"] = enabledJson(w);
    doc["visible"] =
        Json{{"FraMetar", w.atis.frame.visible},        {"FraSid", w.departure.frame.visible},
             {"FraStar", w.arrival.frame.visible},      {"fraILS", w.approachDetail.frame.visible},
             {"lblParam", w.departure.message.visible}, {"lblParArr", w.arrival.message.visible}};
    doc["back"] = Json{{"lblParam", w.departure.message.backColour},
                       {"lblParArr", w.arrival.message.backColour},
                       {"lblQNH", w.topStrip.qnh.backColour},
                       {"lblPollici", w.topStrip.qnhInches.backColour}};
    doc["font"] =
        Json{{"lblParam", w.departure.message.fontSize}, {"lblParArr", w.arrival.message.fontSize}};
    doc["timers"] = Json{{"Timer1", w.departure.messageBlink.enabled},
                         {"Timer2", w.arrival.messageBlink.enabled}};
    doc["state"] = stateJson(s);
    doc["flightPlan"] = flightPlanJson(s.lastAnalysed());
    if (s.Sheet) {
        Json sheet = Json::object();
        for (const auto& [name, text] : *s.Sheet) {
            sheet[name] = text;
        }
        doc["sheet"] = std::move(sheet);
    } else {
        doc["sheet"] = nullptr;
    }
    doc["messages"] = messagesJson(platform);
    return doc;
}

}  // namespace corvane
