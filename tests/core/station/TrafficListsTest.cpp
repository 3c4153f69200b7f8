#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "station/TrafficLists.h"
#include "support/SnapshotLines.h"

namespace corvane {
namespace {

using test::pilotLine;

struct ListCase {
    const char* name;
    std::string line;
    bool centre;
    std::vector<std::string> departures;
    std::vector<std::string> arrivals;
};

class ListLine : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListLine, GoesToTheListsItBelongsTo) {
    const std::string code = GetParam().centre ? "LIRR" : "LIRF";
    TrafficLists traffic(code, GetParam().centre);
    traffic.addRawLine(GetParam().line);
    EXPECT_EQ(traffic.departures(), GetParam().departures);
    EXPECT_EQ(traffic.arrivals(), GetParam().arrivals);
}

using V = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Lines, ListLine,
    ::testing::Values(
        ListCase{"Departure", pilotLine("AZA1", 47, "LIRF", "EDDF"), false, V{"AZA1"}, V{}},
        ListCase{"Arrival", pilotLine("DLH1", 47, "EDDF", "LIRF"), false, V{}, V{"DLH1"}},
        ListCase{"Both", pilotLine("CFG1", 47, "LIRF", "LIRF"), false, V{"CFG1"}, V{"CFG1"}},
        ListCase{"TwentyOneFieldsNoArrival", pilotLine("BAW1", 21, "LIRF", "LIRF"), false,
                 V{"BAW1"}, V{}},
        ListCase{"TwentyTwoFields", pilotLine("BAW2", 22, "LIRF", "LIRF"), false, V{"BAW2"},
                 V{"BAW2"}},
        ListCase{"SeventeenFields", pilotLine("S17", 17, "LIRF", ""), false, V{"S17"}, V{}},
        ListCase{"SixteenFields", pilotLine("S16", 16, "", ""), false, V{}, V{}},
        ListCase{"OneField", "LIRF", false, V{}, V{}}, ListCase{"Empty", "", false, V{}, V{}},
        ListCase{"LowerCase", pilotLine("X1", 47, "lirf", "lirf"), false, V{}, V{}},
        ListCase{"CentreAirportFieldsIgnoredWithoutCentreMode",
                 pilotLine("X2", 47, "EDDF", "EDDM", "LIRF", "LIRF", "LIRF"), false, V{}, V{}},
        ListCase{"CentreArrival", pilotLine("C1", 47, "EDDF", "LIRF", "LIRR", "EDGG", "LIRR"), true,
                 V{}, V{"C1"}},
        ListCase{"CentreBoth", pilotLine("C2", 47, "LIRA", "LIRN", "LIRR", "LIRR", "LIRR"), true,
                 V{"C2"}, V{"C2"}},
        ListCase{"CentreOtherArea", pilotLine("C3", 47, "LIRA", "LIRN", "LIMM", "LIRR", "LIRR"),
                 true, V{}, V{}},
        ListCase{"CentreLineEndsAtFortyThree",
                 pilotLine("C4", 44, "LIRA", "LIRN", "LIRR", "LIRR", "LIRR"), true, V{"C4"}, V{}},
        ListCase{"CentreLineEndsAtFortyTwo",
                 pilotLine("C5", 43, "LIRA", "LIRN", "LIRR", "LIRR", "LIRR"), true, V{}, V{}},
        ListCase{"CentreCodeAsAerodrome",
                 pilotLine("C6", 47, "LIRR", "LIRR", "LIMM", "LIRR", "LIRR"), true, V{"C6"},
                 V{"C6"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace corvane
