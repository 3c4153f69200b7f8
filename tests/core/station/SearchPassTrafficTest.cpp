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

using Callsigns = std::vector<std::string>;

// A pilot line of 22 fields, the last the destination.
std::string pilot(const std::string& callsign, const std::string& dep, const std::string& dest) {
    return test::pilotLine(callsign, 22, dep, dest);
}

class SearchPassTrafficTest : public test::AppFixture {
protected:
    SearchPassTrafficTest() {
        state().SnapshotPath = home.file("recent.dat");
        state().AirportCode = "EDDF";
        state().CentreMode = false;
    }
    // The lines of the snapshot as the search read them: the station matched on line `match`.
    void search(const std::vector<std::string>& lines, std::size_t match) {
        FileStatus status = FileStatus::Ok;
        traffic.readingVersion(
            context().files().openLines(state().SnapshotPath, status)->version());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i == match) {
                traffic.follow("EDDF", false, i);
            }
            traffic.add(lines[i]);
        }
    }
    static std::string file(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const auto& line : lines) {
            bytes += line + "\r\n";
        }
        return bytes;
    }

    SearchPassTraffic traffic;
};

const std::vector<std::string> kSnapshot = {pilot("F1", "EDDF", "LIRF"), "EDDF_APP:123456:JANE DOE",
                                            pilot("F2", "LIRF", "EDDF"), pilot("F3", "EDDF", "")};

TEST_F(SearchPassTrafficTest, ReadsOnlyTheLinesBeforeTheMatchAgain) {
    home.write("recent.dat", file(kSnapshot));
    // What the search read after the match is what gets listed, not the file's lines read anew.
    std::vector<std::string> read = kSnapshot;
    read[3] = pilot("G3", "EDDF", "");
    search(read, 1);
    ASSERT_TRUE(traffic.complete(context()));
    EXPECT_EQ(window().LstDeparture.items, (Callsigns{"F1", "G3"}));
    EXPECT_EQ(window().LstArrival.items, (Callsigns{"F2"}));
}

TEST_F(SearchPassTrafficTest, ASnapshotRewrittenSinceTheSearchIsReadWhole) {
    home.write("recent.dat", file(kSnapshot));
    search(kSnapshot, 1);
    // The radar client writes a new snapshot before the lines before the match are read again.
    home.write("recent.dat", file({pilot("N1", "EDDF", ""), pilot("N2", "EDDF", "EDDF"),
                                   pilot("N3", "LOWW", "EDDF")}));
    ASSERT_TRUE(traffic.complete(context()));
    EXPECT_EQ(window().LstDeparture.items, (Callsigns{"N1", "N2"}));
    EXPECT_EQ(window().LstArrival.items, (Callsigns{"N2", "N3"}));
}

TEST_F(SearchPassTrafficTest, TrafficGatheredForAnotherStationIsNotUsed) {
    home.write("recent.dat", file(kSnapshot));
    search(kSnapshot, 1);
    state().AirportCode = "LIRF";
    ASSERT_TRUE(traffic.complete(context()));
    EXPECT_EQ(window().LstDeparture.items, (Callsigns{"F2"}));
    EXPECT_EQ(window().LstArrival.items, (Callsigns{"F1"}));
}

TEST_F(SearchPassTrafficTest, ASnapshotGoneBeforeTheSecondReadIsReported) {
    home.write("recent.dat", file(kSnapshot));
    search(kSnapshot, 1);
    std::remove(state().SnapshotPath.c_str());
    EXPECT_FALSE(traffic.complete(context()));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(window().LstDeparture.items.empty());
}

TEST_F(SearchPassTrafficTest, AStationOnTheFirstLineNeedsNoSecondRead) {
    home.write("recent.dat", file(kSnapshot));
    search(kSnapshot, 0);
    std::remove(state().SnapshotPath.c_str());
    ASSERT_TRUE(traffic.complete(context()));
    EXPECT_EQ(window().LstDeparture.items, (Callsigns{"F1", "F3"}));
    EXPECT_EQ(window().LstArrival.items, (Callsigns{"F2"}));
}

}  // namespace
}  // namespace corvane
