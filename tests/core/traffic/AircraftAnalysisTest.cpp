#include <filesystem>

#include "TrafficFixture.h"
#include "traffic/ArrivalAnalysis.h"
#include "traffic/DepartureAnalysis.h"

namespace corvane {
namespace {

using test::CaseRow;
using test::PilotLine;

// The arrival of the cases: AZA123 from LIRF (40 N 8 E) to EDDF (50 N 8 E), 158 NM out.
constexpr const char* kInbound =
    "Callsign=AZA123;DepAirport=LIRF;DepLat=40.0;DestAirport=EDDF;DestLat=50.0;CruiseLevel=F240;"
    "Route=TIBER1A TIBER UL995 TOP ROLIS1A;Squawk=4721;CtrArr=EDGG;Altitude=18000;"
    "GroundSpeed=380;Latitude=47.368";

class AircraftAnalysis : public test::TrafficFixture,
                         public ::testing::WithParamInterface<CaseRow> {
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

using TrafficFixture = test::TrafficFixture;

TEST_F(TrafficFixture, LaterLineOfTheSameCallsignStands) {
    snapshot({PilotLine("DLH4AB").flying("1000", "150").text(),
              PilotLine("DLH4ABC").flying("7000", "250").text(), "DLH4AB",
              PilotLine("DLH4AB").flying("3000", "180").text()});
    state().SelectedDepartureCallsign = "DLH4AB";
    DepartureAnalysis::analyse(context());
    EXPECT_EQ(window().lblCurrentAlt.text, "3000");
    EXPECT_EQ(window().lblCurrentSpeed.text, "180");
}

}  // namespace
}  // namespace corvane
