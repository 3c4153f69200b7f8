#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "platform/FileSystem.h"
#include "station/SearchPassTraffic.h"
#include "support/AppFixture.h"
#include "support/SnapshotLines.h"

namespace corvane {
namespace {

// A pilot line of 22 fields, the last the destination.
std::string pilot(const std::string& callsign, const std::string& dep, const std::string& dest) {
    return test::pilotLine(callsign, 22, dep, dest);
}

const std::vector<std::string> kSnapshot = {pilot("F1", "EDDF", "LIRF"), "EDDF_APP:123456:JANE DOE",
                                            pilot("F2", "LIRF", "EDDF"), pilot("F3", "EDDF", "")};

struct PassCase {
    std::string name;
    std::size_t match;        // the line the station matched on
    std::string afterSearch;  // what happens between the search and the second read
    std::vector<std::string> departures, arrivals;
};

class SearchPass : public test::AppFixture, public ::testing::WithParamInterface<PassCase> {};

TEST_P(SearchPass, ListsTheTrafficOfTheMatchedStation) {
    const PassCase& c = GetParam();
    state().AirportCode = "EDDF";
    state().CentreMode = false;
    writeSnapshot(kSnapshot);
    // What the search read after the match is what gets listed, not the file's lines read anew.
    std::vector<std::string> read = kSnapshot;
    read[3] = c.name == "ReadsOnlyTheLinesBeforeTheMatchAgain" ? pilot("G3", "EDDF", "") : read[3];
    SearchPassTraffic traffic;
    FileStatus status = FileStatus::Ok;
    traffic.readingVersion(context().files().openLines(state().SnapshotPath, status)->version());
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (i == c.match) {
            traffic.follow("EDDF", false, i);
        }
        traffic.add(read[i]);
    }
    if (c.afterSearch == "rewrite") {
        writeSnapshot(
            {pilot("N1", "EDDF", ""), pilot("N2", "EDDF", "EDDF"), pilot("N3", "LOWW", "EDDF")});
    } else if (c.afterSearch == "remove") {
        std::remove(state().SnapshotPath.c_str());
    } else if (!c.afterSearch.empty()) {
        state().AirportCode = c.afterSearch;
    }
    EXPECT_EQ(traffic.complete(context()), c.name != "ASnapshotGoneBeforeTheSecondReadIsReported");
    EXPECT_EQ(platform.messages.size(), c.departures.empty() ? 1u : 0u);
    EXPECT_EQ(window().LstDeparture.items, c.departures);
    EXPECT_EQ(window().LstArrival.items, c.arrivals);
}

using V = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchPass,
    ::testing::Values(
        PassCase{"ReadsOnlyTheLinesBeforeTheMatchAgain", 1, "", V{"F1", "G3"}, V{"F2"}},
        PassCase{"ASnapshotRewrittenSinceTheSearchIsReadWhole", 1, "rewrite", V{"N1", "N2"},
                 V{"N2", "N3"}},
        PassCase{"TrafficGatheredForAnotherStationIsNotUsed", 1, "LIRF", V{"F2"}, V{"F1"}},
        PassCase{"ASnapshotGoneBeforeTheSecondReadIsReported", 1, "remove", V{}, V{}},
        PassCase{"AStationOnTheFirstLineNeedsNoSecondRead", 0, "remove", V{"F1", "F3"}, V{"F2"}}),
    test::caseName<PassCase>);

}  // namespace
}  // namespace corvane
