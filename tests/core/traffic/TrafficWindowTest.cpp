#include <filesystem>
#include <initializer_list>
#include <string>

#include "window/ConnectionReset.h"
#include "support/AppFixture.h"
#include "support/CaseTable.h"
#include "support/SnapshotLines.h"
#include "traffic/AirlineLookup.h"
#include "traffic/ArrivalAnalysis.h"
#include "traffic/DepartureAnalysis.h"

namespace corvane {
namespace {

using test::CaseRow;
using test::PilotLine;

/// A started window whose snapshot is a file the test writes, and the data of this area.
class TrafficFixture : public test::AppFixture {
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
    /// Copies the file at `relative` of the driver's traffic cases' program folder.
    void copyData(const std::string& relative) {
        home.write(relative, test::readFileBytes(std::string(CORVANE_TEST_DATA) +
                                                 "/script/traffic/home/" + relative));
    }
    /// The airline table of the tests in the DATA folder.
    void airlineTable() { copyData("DATA/airlines.dat"); }
};

// The arrival of the cases: AZA123 from LIRF (40 N 8 E) to EDDF (50 N 8 E), 158 NM out.
constexpr const char* kInbound =
    "Callsign=AZA123;DepAirport=LIRF;DepLat=40.0;DestAirport=EDDF;DestLat=50.0;CruiseLevel=F240;"
    "Route=TIBER1A TIBER UL995 TOP ROLIS1A;Squawk=4721;CtrArr=EDGG;Altitude=18000;"
    "GroundSpeed=380;Latitude=47.368";

class AircraftAnalysis : public TrafficFixture, public ::testing::WithParamInterface<CaseRow> {
protected:
    /// Applies the "field=value" edits in `column` of `row` to `line`; "cut=N" keeps N fields.
    static void edit(PilotLine& line, const CaseRow& row, std::size_t column) {
        for (const auto& [key, value] : row.pairs(column)) {
            if (key == "cut") {
                line.cut(std::stoul(value));
            } else if (key != "snapshot") {
                line.set(test::fieldIndex(key), value);
            }
        }
    }
};

// Columns: side, the edits of the aircraft's line (or snapshot=recent.dat, missing folder or
// missing file), what the window and state hold before, what they hold after.
TEST_P(AircraftAnalysis, FillsThePanel) {
    const CaseRow& c = GetParam();
    const bool departure = c[0] == "departure";
    PilotLine line("DLH4AB");
    if (!departure) {
        edit(line, CaseRow{"", {kInbound}}, 0);
    }
    edit(line, c, 1);
    std::string source;
    for (const auto& [key, value] : c.pairs(1)) {
        source = key == "snapshot" ? value : source;
    }
    snapshot({line.text()});
    if (source == "recent.dat") {
        copyData("radar/recent.dat");
    } else if (source.rfind("missing", 0) == 0) {
        home.write("radar/recent.dat", "");
        std::filesystem::remove_all(
            home.file(source == "missing file" ? "radar/recent.dat" : "radar"));
    }
    for (const auto& [key, value] : c.pairs(2)) {
        preset(key, value);
    }
    const ScanResult scan =
        departure
            ? (state().SelectedDepartureCallsign = "DLH4AB", DepartureAnalysis::analyse(context()))
            : (state().SelectedArrivalCallsign = "AZA123", ArrivalAnalysis::analyse(context()));
    for (const auto& [key, expected] : c.pairs(3)) {
        EXPECT_EQ(key == "missing" ? (scan.missing() ? "yes" : "no") : value(key), expected) << key;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, AircraftAnalysis,
                         ::testing::ValuesIn(test::caseTable("traffic/analysis.tsv")),
                         test::caseName<CaseRow>);

TEST_F(TrafficFixture, LaterLineOfTheSameCallsignStands) {
    snapshot({PilotLine("DLH4AB").flying("1000", "150").text(),
              PilotLine("DLH4ABC").flying("7000", "250").text(), "DLH4AB",
              PilotLine("DLH4AB").flying("3000", "180").text()});
    state().SelectedDepartureCallsign = "DLH4AB";
    DepartureAnalysis::analyse(context());
    EXPECT_EQ(window().lblCurrentAlt.text, "3000");
    EXPECT_EQ(window().lblCurrentSpeed.text, "180");
}

/// The departures DLH4AB (EDDF to LIRF at F360), CFG9NF (no flight plan) and XXX999 (not in
/// the snapshot), the arrival AZA123 (LIRF to EDDF at F240), at 14:45.
class TrafficSelection : public TrafficFixture, public ::testing::WithParamInterface<CaseRow> {
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
                ConnectionReset::clearDeparturePanel(window());
            } else if (key == "airline" || key == "airlineArr") {
                AirlineLookup::lookup(
                    state(), context().platform, context().folder, v,
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
