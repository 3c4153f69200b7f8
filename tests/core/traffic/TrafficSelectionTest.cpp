#include "traffic/TrafficSelection.h"

#include "TrafficFixture.h"
#include "app/ConnectionReset.h"
#include "traffic/AirlineLookup.h"

namespace corvane {
namespace {

using test::CaseRow;

/// The departures DLH4AB (EDDF to LIRF at F360), CFG9NF (no flight plan) and XXX999 (not in
/// the snapshot), the arrival AZA123 (LIRF to EDDF at F240), at 14:45.
class TrafficSelection : public test::TrafficFixture,
                         public ::testing::WithParamInterface<CaseRow> {
protected:
    TrafficSelection() {
        airlineTable();
        copyData("radar/recent.dat");
        state().SnapshotPath = home.file("radar/recent.dat");
        window().LstDeparture.items = {"DLH4AB", "CFG9NF", "XXX999"};
        window().LstArrival.items = {"AZA123"};
        platform.clock = {14, 45};
    }
    // "<label>.visible" and "<label>.back" (its colour number) besides the fixture's keys.
    Label* labelPart(const std::string& key, std::string& part) {
        const auto dot = key.find('.');
        part = dot == std::string::npos ? "" : key.substr(dot + 1);
        return part == "visible" || part == "back" ? window().label(key.substr(0, dot)) : nullptr;
    }
    void set(const std::string& key, const std::string& value) {
        std::string part;
        Label* label = labelPart(key, part);
        if (!label) {
            return key == "lblParam.size" ? void(window().lblParam.fontSize = std::stoi(value))
                                          : preset(key, value);
        }
        part == "visible" ? void(label->visible = value == "on")
                          : void(label->backColour = std::stoi(value));
    }
    std::string get(const std::string& key) {
        std::string part;
        const Label* label = labelPart(key, part);
        const auto& plan = key[0] == 'D' ? state().DeparturePlan : state().ArrivalPlan;
        if (key.find("Plan.") != std::string::npos) {
            return !plan                          ? "(no plan)"
                   : key.ends_with("Destination") ? plan->Record.Destination
                                                  : plan->Record.PilotInCommand;
        }
        return !label              ? value(key)
               : part == "visible" ? (label->visible ? "on" : "off")
                                   : std::to_string(label->backColour);
    }
    // Runs the actions of column `i`: departure/arrival=N (a click on that list item),
    // tick=TIMER, clearDeparture, airline=CALLSIGN and airlineArr=CALLSIGN (looked up for that
    // side's label), write=FILE|BYTES and line=FIELD:VALUE,... (DLH4AB's line of the snapshot,
    // edited from the test's default).
    void act(const CaseRow& c, std::size_t i) {
        for (const auto& [key, v] : c.pairs(i)) {
            if (key == "departure" || key == "arrival") {
                EXPECT_EQ(
                    app->select(key == "departure" ? "LstDeparture" : "LstArrival", std::stoi(v)),
                    ActionResult::Done);
            } else if (key == "tick") {
                EXPECT_EQ(app->tick(v), ActionResult::Done);
            } else if (key == "clearDeparture") {
                ConnectionReset::clearDeparturePanel(context());
            } else if (key == "airline" || key == "airlineArr") {
                AirlineLookup::lookup(
                    context(), v,
                    key == "airline" ? window().lblCompanyDep : window().lblCompanyArr);
            } else if (key == "write") {
                home.write(v.substr(0, v.find('|')), v.substr(v.find('|') + 1));
            } else {
                test::PilotLine line("DLH4AB");
                for (const std::string& edit : test::splitAt(v, ',')) {
                    line.set(test::fieldIndex(edit.substr(0, edit.find(':'))),
                             edit.substr(edit.find(':') + 1));
                }
                snapshot({line.text()});
            }
        }
    }
};

// Columns: what the window holds before, the actions, what it holds after.
TEST_P(TrafficSelection, ShowsTheSelectedAircraft) {
    for (const auto& [key, v] : GetParam().pairs(0)) {
        set(key, v);
    }
    act(GetParam(), 1);
    for (const auto& [key, expected] : GetParam().pairs(2)) {
        EXPECT_EQ(get(key), expected) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, TrafficSelection,
                         ::testing::ValuesIn(test::caseTable("traffic/selection.tsv")),
                         test::caseName<CaseRow>);

}  // namespace
}  // namespace corvane
