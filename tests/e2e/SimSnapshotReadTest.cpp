// The simulator's snapshot read by the program's own reader, and a connect on it.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "DemoHome.h"
#include "DemoStation.h"
#include "TrafficSimulator.h"
#include "common/NumberText.h"
#include "platform/LocalFileSystem.h"
#include "station/SnapshotField.h"
#include "station/SnapshotLine.h"

namespace corvane::test {
namespace {

using Items = std::vector<std::string>;

/// A snapshot written by the simulator at a time when traffic is on the move everywhere.
class SimSnapshotReadTest : public ::testing::Test {
protected:
    SimSnapshotReadTest() : simulator(1, 40) {
        simulator.advance(900);
        demo.publish(DemoHome::snapshotOf(simulator));
    }

    /// Every line of the snapshot as the program reads it.
    std::vector<std::string> readLines() {
        LocalFileSystem files;
        FileStatus status = FileStatus::IoError;
        auto source = files.openLines(demo.snapshotPath(), status);
        EXPECT_EQ(status, FileStatus::Ok);
        std::vector<std::string> lines;
        if (!source) {
            return lines;
        }
        std::string_view raw;
        while (source->next(raw)) {
            lines.emplace_back(raw);
        }
        EXPECT_FALSE(source->failed());
        return lines;
    }

    sim::TrafficSimulator simulator;
    DemoHome demo;
};

bool matches(std::string_view text, const char* pattern) {
    return std::regex_match(std::string(text), std::regex(pattern));
}

bool isNumber(std::string_view text) {
    return NumberText::strict(text).has_value();
}

// The fields every pilot line offers the traffic lists and the analyses, in the forms they
// decode: numbers where the rules compute, ICAO forms where the decoders cut columns.
void expectPilotFields(const SnapshotLine& f) {
    using namespace snapshot;
    const std::string callsign(f.field(Callsign));
    SCOPED_TRACE(callsign);
    ASSERT_GE(f.count(), FlightType + 1u);
    EXPECT_TRUE(matches(callsign, "[A-Z0-9]{3,7}"));
    EXPECT_FALSE(f.field(RealName).empty());
    for (const auto i : {Latitude, Longitude, Altitude, GroundSpeed}) {
        EXPECT_TRUE(isNumber(f.field(i))) << "field " << i << ": " << f.field(i);
    }
    EXPECT_TRUE(f.field(PositionNear) == "ZZZZ" || matches(f.field(PositionNear), "[A-Z0-9]{2,5}"));
    EXPECT_FALSE(f.field(AcType).empty());
    EXPECT_TRUE(matches(f.field(DepAirport), "[A-Z]{4}"));
    EXPECT_TRUE(isNumber(f.field(DepLat)) && isNumber(f.field(DepLon)));
    EXPECT_TRUE(matches(f.field(CtrDep), "[A-Z]{4}"));
    if (f.fieldIs(AcType, "NONE")) {
        return;  // no flight plan: the analyses stop at the type
    }
    EXPECT_GE(f.field(Equipment).size(), 9u) << f.field(Equipment);
    EXPECT_TRUE(matches(f.field(DestAirport), "[A-Z]{4}"));
    EXPECT_TRUE(isNumber(f.field(DestLat)) && isNumber(f.field(DestLon)));
    EXPECT_TRUE(matches(f.field(CruiseLevel), "[FA][0-9]{3}|VFR")) << f.field(CruiseLevel);
    EXPECT_TRUE(matches(f.field(CruiseSpeed), "N[0-9]{4}|M[0-9]{3}")) << f.field(CruiseSpeed);
    EXPECT_TRUE(f.fieldIs(FlightRules, "I") || f.fieldIs(FlightRules, "V"));
    for (const auto i : {DepTime, Eet, Endurance}) {
        EXPECT_TRUE(matches(f.field(i), "[1-9][0-9]{1,3}|[0-9]{2}")) << f.field(i);
    }
    EXPECT_FALSE(f.field(Route).empty());
    EXPECT_TRUE(matches(f.field(Squawk), "[0-7]{4}")) << f.field(Squawk);
    EXPECT_TRUE(matches(f.field(CtrArr), "[A-Z]{4}"));
    EXPECT_TRUE(matches(f.field(PersonsOnBoard), "[0-9]+"));
    EXPECT_FALSE(f.field(FlightType).empty());
}

TEST_F(SimSnapshotReadTest, EveryLineEndsInCrLf) {
    const std::string bytes = DemoHome::slurp(demo.snapshotPath());
    ASSERT_FALSE(bytes.empty());
    std::size_t lines = 0;
    for (std::size_t at = bytes.find('\n'); at != std::string::npos;
         at = bytes.find('\n', at + 1)) {
        ASSERT_GT(at, 0u);
        EXPECT_EQ(bytes[at - 1], '\r') << "line " << lines + 1;
        ++lines;
    }
    EXPECT_EQ(bytes.back(), '\n');
    EXPECT_EQ(lines, readLines().size());
}

TEST_F(SimSnapshotReadTest, EveryPilotLineHasTheFieldsTheProgramReads) {
    std::size_t pilots = 0;
    std::size_t withoutPlan = 0;
    std::size_t visual = 0;
    SnapshotLine f;
    for (const std::string& line : readLines()) {
        f.split(line);
        if (!f.fieldIs(snapshot::Rating, "PILOT")) {
            continue;
        }
        ++pilots;
        withoutPlan += f.fieldIs(snapshot::AcType, "NONE") ? 1 : 0;
        visual += f.fieldIs(snapshot::FlightRules, "V") ? 1 : 0;
        expectPilotFields(f);
    }
    EXPECT_EQ(pilots, simulator.aircraftCount());
    EXPECT_GE(withoutPlan, 1u);
    EXPECT_GE(visual, 1u);
}

TEST_F(SimSnapshotReadTest, TheDemoStationLineIsThere) {
    SnapshotLine f;
    std::size_t found = 0;
    for (const std::string& line : readLines()) {
        f.split(line);
        if (f.fieldIs(snapshot::Callsign, "EDDF_APP")) {
            ++found;
            EXPECT_EQ(f.field(snapshot::Vid), "123456");
            EXPECT_EQ(f.field(snapshot::RealName), "JANE DOE");
            EXPECT_TRUE(matches(f.field(snapshot::Atis), ".* Q[0-9]{4}( .*)?"));
        }
    }
    EXPECT_EQ(found, 1u);
}

// The traffic lists the connect must show: the callsigns of the lines whose departure or
// destination aerodrome is EDDF, in file order.
std::pair<Items, Items> eddfTraffic(const std::vector<std::string>& lines) {
    std::pair<Items, Items> lists;
    SnapshotLine f;
    for (const std::string& line : lines) {
        f.split(line);
        if (f.fieldIs(snapshot::DepAirport, "EDDF")) {
            lists.first.emplace_back(f.field(snapshot::Callsign));
        }
        if (f.fieldIs(snapshot::DestAirport, "EDDF")) {
            lists.second.emplace_back(f.field(snapshot::Callsign));
        }
    }
    return lists;
}

class SimConnectTest : public SimSnapshotReadTest,
                       public ::testing::WithParamInterface<const char*> {};

TEST_P(SimConnectTest, FindsTheDemoStationAndListsItsTrafficAndRunways) {
    DemoStation station(demo);
    station.connect(GetParam());
    const MainWindowModel& w = station.window();
    EXPECT_EQ(station.platform.messageTexts(), Items{});
    EXPECT_EQ(w.LblPositionName.text, "EDDF_APP");
    EXPECT_EQ(w.lblPosition.text, "APPROACH CONTROL");
    EXPECT_EQ(w.LblRating.text, "ADC : Aerodrome Controller");
    EXPECT_EQ(w.lblQNH.text, "1013");
    EXPECT_EQ(w.Lblr1_1.text, "2301");
    EXPECT_EQ(w.Lblr2_1.text, "2377");
    EXPECT_EQ(w.LblSquawk.text, "2301");
    EXPECT_EQ(w.lblTA.text, "5000");
    EXPECT_FALSE(w.TxtOperatorName.enabled);

    const auto [departures, arrivals] = eddfTraffic(readLines());
    EXPECT_GE(departures.size(), 10u);
    EXPECT_GE(arrivals.size(), 10u);
    EXPECT_EQ(w.LstDeparture.items, departures);
    EXPECT_EQ(w.LstArrival.items, arrivals);

    const Items runways{"07L", "07R", "07C", "25L", "25R", "25C", "18 "};
    EXPECT_EQ(w.CmbTORwy.items, runways);
    EXPECT_EQ(w.cmbLandRwy.items, runways);
}

INSTANTIATE_TEST_SUITE_P(NameOrVid, SimConnectTest, ::testing::Values("JANE DOE", "123456"));

}  // namespace
}  // namespace corvane::test
