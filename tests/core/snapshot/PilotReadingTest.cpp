#include <gtest/gtest.h>

#include <map>
#include <string>

#include "snapshot/PilotReading.h"
#include "snapshot/SnapshotLine.h"
#include "support/CaseTable.h"
#include "support/SnapshotLines.h"

namespace corvane {
namespace {

using test::CaseRow;

// Every part of a reading as text, by the names the table uses.
std::map<std::string, std::string> shown(const PilotReading& r) {
    const auto n = [](double value) { return test::decimal(value); };
    const auto yes = [](bool value) { return std::string(value ? "yes" : "no"); };
    // clang-format off
    return {{"callsign", r.callsign}, {"pilotName", r.pilotName},
            {"lat", n(r.position.latitude)}, {"lon", n(r.position.longitude)},
            {"near", r.nearAerodrome}, {"altitude", r.altitude}, {"groundSpeed", r.groundSpeed},
            {"aircraftType", r.aircraftType}, {"equipment", r.equipment},
            {"dep", r.departure.code}, {"depLat", n(r.departure.position.latitude)},
            {"depLon", n(r.departure.position.longitude)}, {"dest", r.destination.code},
            {"destLat", n(r.destination.position.latitude)},
            {"destLon", n(r.destination.position.longitude)}, {"alternate", r.alternate},
            {"alternate2", r.alternate2}, {"cruiseLevel", r.cruiseLevel},
            {"cruiseSpeed", r.cruiseSpeed}, {"flightRules", r.flightRules},
            {"departureTime", r.departureTime}, {"totalEet", r.totalEet},
            {"endurance", r.endurance}, {"route", r.route}, {"remarks", r.remarks},
            {"squawk", r.squawk}, {"departureCentre", r.departureCentre},
            {"arrivalCentre", r.arrivalCentre}, {"personsOnBoard", r.personsOnBoard},
            {"flightType", r.flightType}, {"filedPlan", yes(r.filedPlan())}, {"vfr", yes(r.vfr())}};
    // clang-format on
}

class PilotReadingCase : public ::testing::TestWithParam<CaseRow> {};

// Columns: the edits of DLH4AB's default line (field=value; cut=N keeps N fields), then the
// parts of its reading that are checked (name=value).
TEST_P(PilotReadingCase, ReadsTheLine) {
    const CaseRow& c = GetParam();
    test::PilotLine pilot("DLH4AB");
    for (const auto& [key, value] : c.pairs(0)) {
        if (key == "cut") {
            pilot.cut(std::stoul(value));
        } else {
            pilot.set(test::fieldIndex(key), value);
        }
    }
    const std::string text = pilot.text();
    SnapshotLine line;
    line.split(text);
    const auto read = shown(PilotReading::read(line));
    ASSERT_FALSE(c.pairs(1).empty());
    for (const auto& [key, value] : c.pairs(1)) {
        ASSERT_EQ(read.count(key), 1U) << key;
        EXPECT_EQ(read.at(key), value) << key;
    }
}

CORVANE_CASES(Table, PilotReadingCase, "snapshot/pilot-reading.tsv");

}  // namespace
}  // namespace corvane
