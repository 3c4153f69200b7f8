// Flight plan decoding, great circles, flight phases and parameter messages from the tables
// under tests/data/traffic, and the aircraft analyses and selections of a started window.
#include <gtest/gtest.h>

#include <filesystem>
#include <iomanip>
#include <string>

#include "common/GreatCircle.h"
#include "support/AppFixture.h"
#include "support/CaseHome.h"
#include "support/CaseTable.h"
#include "support/SnapshotLines.h"
#include "traffic/AirlineLookup.h"
#include "traffic/ArrivalAnalysis.h"
#include "traffic/DepartureAnalysis.h"
#include "traffic/FlightPhase.h"
#include "traffic/FlightPlanDecoding.h"
#include "traffic/ParameterMessage.h"
#include "window/BlinkTimer.h"
#include "window/Colours.h"
#include "window/ConnectionReset.h"
#include "window/Label.h"
#include "window/ShownText.h"
#include "window/TrafficPanelPresenter.h"

namespace corvane {
namespace {

namespace D = FlightPlanDecoding;
using test::CaseRow;

double number(const CaseRow& c, std::size_t i) {
    return std::stod(c[i]);
}

// `value` to `digits` significant digits.
std::string digits(double value, const std::string& digits) {
    std::ostringstream out;
    out << std::setprecision(std::stoi(digits)) << value;
    return out.str();
}

const test::TextFunctions kTraffic = {
    {"cruisingLevel", [](const CaseRow& c) { return D::cruisingLevel(c[1]); }},
    {"cruisingSpeed", [](const CaseRow& c) { return D::cruisingSpeed(c[1]); }},
    {"time", [](const CaseRow& c) { return test::orNone(D::time(c[1])); }},
    {"expectedSid", [](const CaseRow& c) { return test::orNone(D::expectedSid(c[1])); }},
    {"expectedStar", [](const CaseRow& c) { return test::orNone(D::expectedStar(c[1])); }},
    {"planningSpeed",
     [](const CaseRow& c) { return test::decimal(D::planningSpeed(number(c, 1))); }},
    {"flyingTime",
     [](const CaseRow& c) {
         const FlyingTime t = D::flyingTime(number(c, 1), number(c, 2));
         return std::to_string(t.hours) + " h " + std::to_string(t.minutes) + " min";
     }},
    {"clockDigits", [](const CaseRow& c) { return D::clockDigits(std::stoll(c[1])); }},
    {"distance",
     [](const CaseRow& c) {
         return test::decimal(
             GreatCircle::distanceNm(number(c, 1), number(c, 2), number(c, 3), number(c, 4)));
     }},
    {"arccos", [](const CaseRow& c) { return digits(GreatCircle::arccos(number(c, 1)), c[2]); }},
    {"radians", [](const CaseRow& c) { return digits(GreatCircle::radians(number(c, 1)), c[2]); }},
    {"constants",
     [](const CaseRow&) {
         return digits(GreatCircle::kPi, "15") + " " + digits(GreatCircle::kEarthRadiusKm, "15") +
                " " + digits(GreatCircle::kNmPerKm, "15");
     }},
};

CORVANE_TEXT_TABLE(Decoding, kTraffic, "traffic/decoding.tsv");
CORVANE_TEXT_TABLE(GreatCircles, kTraffic, "traffic/great-circle.tsv");

class PhaseRules : public ::testing::TestWithParam<CaseRow> {};

TEST_P(PhaseRules, GivePhaseAndBothMessages) {
    const CaseRow& c = GetParam();
    const FlightFigures figures{std::stod(c[0]), std::stod(c[1]), std::stod(c[2]), std::stod(c[3]),
                                std::stod(c[4])};
    const auto phase = FlightPhase::classify(figures);
    EXPECT_EQ(phase.value_or("-"), c[5]);
    const std::string shown = c[6] == "=" ? c[5] : c[6];
    const ParameterAdvice departure = ParameterMessage::departure(shown, figures);
    const ParameterAdvice arrival = ParameterMessage::arrival(shown, figures);
    EXPECT_EQ(departure.caption, c[7]);
    EXPECT_EQ(departure.fontSize, std::stoi(c[8]));
    EXPECT_EQ(departure.warning, c[7] != ParameterMessage::kNormal);
    EXPECT_EQ(arrival.caption, c[9]);
    EXPECT_EQ(arrival.fontSize, std::stoi(c[10]));
    EXPECT_EQ(arrival.warning, c[9] != ParameterMessage::kNormal);
}

CORVANE_CASES(Table, PhaseRules, "traffic/phase-rules.tsv");

TEST(AssignedList, AMarkStaysWithItsEntryAndANewEntryIsUnmarked) {
    MainWindowModel window;
    ProgramState state;
    state.AssignedDepartures = {"A - 1", "B - 2", "C - 3"};
    TrafficPanelPresenter::present(TrafficSide::Departure, state, window);
    ListBox& list = window.departure.cleared;
    list.marks = {{}, {MarkKind::Gone, "gone"}, {}};
    state.AssignedDepartures = {"B - 2", "C - 3", "D - 4"};
    TrafficPanelPresenter::present(TrafficSide::Departure, state, window);
    EXPECT_EQ(list.items, state.AssignedDepartures);
    EXPECT_EQ(list.markAt(0).why, "gone");
    EXPECT_EQ(list.markAt(2).kind, MarkKind::None);
    list.selected = 2;
    state.AssignedDepartures = {"B - 2"};
    TrafficPanelPresenter::present(TrafficSide::Departure, state, window);
    EXPECT_EQ(list.selected, -1);
    EXPECT_EQ(list.markAt(0).why, "gone");
}

TEST(ParameterMessage, AdviceBlinksInRedNormalIsSteadyYellowProblemWarns) {
    MainWindowModel window;
    ProgramState state;
    window.arrival.message.visible = false;
    state.ArrivalAircraft.message = {"OVERSPEED", 13, true};
    TrafficPanelPresenter::present(TrafficSide::Arrival, state, window);
    const Label& label = window.arrival.message;
    EXPECT_TRUE(window.arrival.messageBlink.enabled);
    EXPECT_FALSE(window.departure.messageBlink.enabled);
    EXPECT_EQ(label.backColour, colour::kRed);
    EXPECT_EQ(label.fontSize, 13);
    EXPECT_EQ(label.text, "OVERSPEED");
    EXPECT_FALSE(label.visible);  // the blink owns the visibility
    state.ArrivalAircraft.message = {"N O R M A L", 22, false};
    TrafficPanelPresenter::present(TrafficSide::Arrival, state, window);
    EXPECT_FALSE(window.arrival.messageBlink.enabled);
    EXPECT_EQ(label.backColour, colour::kYellow);
    EXPECT_EQ(label.fontSize, 22);
    EXPECT_EQ(label.text, "N O R M A L");
    const ParameterAdvice problem = ParameterMessage::problem();  // red at fourteen
    EXPECT_EQ(problem.caption, "P R O B L E M -  don't use aircraft");
    EXPECT_EQ(problem.fontSize, 14);
    EXPECT_TRUE(problem.warning);
}

using test::PilotLine;

/// A started window whose snapshot is a file the test writes, and the data of this area.
class TrafficFixture : public test::AppFixture {
protected:
    TrafficFixture() { start(); }

    /// Copies the file at `relative` of the driver's traffic cases' program folder.
    void copyData(const std::string& relative) {
        home.write(relative, test::caseHomeFile("traffic", relative));
    }
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
    writeSnapshot({line.text()});
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

CORVANE_CASES(Table, AircraftAnalysis, "traffic/analysis.tsv");

/// The departures DLH4AB (EDDF to LIRF at F360), CFG9NF (no flight plan) and XXX999 (not in
/// the snapshot), the arrival AZA123 (LIRF to EDDF at F240), at 14:45.
class TrafficSelection : public TrafficFixture, public ::testing::WithParamInterface<CaseRow> {
protected:
    TrafficSelection() {
        copyData("DATA/airlines.dat");
        copyData("radar/recent.dat");
        state().SnapshotPath = home.file("radar/recent.dat");
        window().departure.traffic.items = {"DLH4AB", "CFG9NF", "XXX999"};
        window().arrival.traffic.items = {"AZA123"};
        platform.clock = {14, 45};
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
                ConnectionReset::clearDeparturePanel(window(), state());
            } else if (key == "airline" || key == "airlineArr") {
                const TrafficSide side =
                    key == "airline" ? TrafficSide::Departure : TrafficSide::Arrival;
                AirlineLookup::lookup(state(), context().platform, context().folder, v,
                                      state().aircraft(side).airline);
                TrafficPanelPresenter::present(side, state(), window());
            } else if (key == "write") {
                home.write(v.substr(0, v.find('|')), v.substr(v.find('|') + 1));
            } else {
                test::PilotLine line("DLH4AB");
                for (const std::string& edit : test::splitAt(v, ',')) {
                    line.set(test::fieldIndex(edit.substr(0, edit.find(':'))),
                             edit.substr(edit.find(':') + 1));
                }
                writeSnapshot({line.text()});
            }
        }
    }
};

// Columns: what the window holds before, the actions, what it holds after.
TEST_P(TrafficSelection, ShowsTheSelectedAircraft) {
    for (const auto& [key, v] : GetParam().pairs(0)) {
        preset(key, v);
    }
    act(GetParam(), 1);
    for (const auto& [key, expected] : GetParam().pairs(2)) {
        EXPECT_EQ(value(key), expected) << key;
    }
}

CORVANE_CASES(Table, TrafficSelection, "traffic/selection.tsv");

}  // namespace
}  // namespace corvane
