// Distances, courses, projections and interpolations on the sphere, from
// tests/data/sim/greatcircle.tsv; the simulator's command line, from tests/data/sim/
// options.tsv: the options read, or the refusal and a part of its reason; and where and how a
// snapshot is published.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "GreatCircle.h"
#include "SimOptions.h"
#include "SnapshotPublisher.h"
#include "platform/FilePublisher.h"
#include "support/CaseTable.h"
#include "support/PosixOnly.h"
#include "support/TempFolder.h"

namespace corvane::sim {
namespace {

std::string fixed(double value, double other) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f %.6f", value + 0.0, other + 0.0);
    return text;
}

// Columns: function, lat, lon, then a second point (lat, lon) or course and NM, then a fraction.
std::string evaluate(const test::CaseRow& row) {
    const GeoPoint a{std::stod(row[1]), std::stod(row[2])};
    const GeoPoint b{std::stod(row[3]), std::stod(row[4])};
    if (row[0] == "distance") {  // both ways
        return fixed(GreatCircle::distanceNm(a, b), GreatCircle::distanceNm(b, a));
    }
    if (row[0] == "course") {  // and back
        return fixed(GreatCircle::courseDeg(a, b), GreatCircle::courseDeg(b, a));
    }
    if (row[0] == "project") {  // how far and where to the projected point lies
        const GeoPoint p = GreatCircle::project(a, b.lat, b.lon);
        return fixed(GreatCircle::distanceNm(a, p), GreatCircle::courseDeg(a, p));
    }
    const GeoPoint p = GreatCircle::interpolate(a, b, std::stod(row[5]));
    if (row[0] == "interpolatePoint") {
        return fixed(p.lat, p.lon);
    }
    const double total = GreatCircle::distanceNm(a, b);
    return fixed(GreatCircle::distanceNm(a, p) / total, GreatCircle::distanceNm(p, b) / total);
}

class GreatCircleTable : public ::testing::TestWithParam<test::CaseRow> {};

TEST_P(GreatCircleTable, Computes) {
    EXPECT_EQ(evaluate(GetParam()), GetParam()[6]);
}

CORVANE_CASES(Table, GreatCircleTable, "sim/greatcircle.tsv");

class SimOptionsTable : public ::testing::TestWithParam<test::CaseRow> {};

// Columns: the arguments, "|" between them; what is read, or "refused" and the reason's part.
TEST_P(SimOptionsTable, ReadsOrRefuses) {
    const test::CaseRow& row = GetParam();
    std::vector<std::string> args;
    if (!row[0].empty()) {
        args = test::splitAt(row[0], '|');
    }
    std::string error;
    const auto o = SimOptions::parse(args, error);
    if (row[1].starts_with("refused ")) {
        EXPECT_FALSE(o);
        EXPECT_NE(error.find(row[1].substr(8)), std::string::npos) << error;
        return;
    }
    ASSERT_TRUE(o) << error;
    const std::string read =
        "out=" + o->outPath + " interval=" + test::decimal(o->intervalS) +
        " once=" + std::to_string(o->once) + " inPlace=" + std::to_string(o->inPlace) +
        " aircraft=" + std::to_string(o->aircraft) + " at=" + test::decimal(o->startS) +
        " seed=" + std::to_string(o->seed) + " help=" + std::to_string(o->help) +
        " version=" + std::to_string(o->version);
    EXPECT_EQ(read, row[1]);
}

CORVANE_CASES(Table, SimOptionsTable, "sim/options.tsv");

TEST(SimOptions, UsageNamesTheInPlaceOptionAndTheAccount) {
    EXPECT_NE(SimOptions::usage().find("--in-place"), std::string::npos);
    EXPECT_NE(SimOptions::usage().find("JANE DOE"), std::string::npos);
}

using test::TempFolder;

// Through a temporary file and a rename, or in place over older, longer content.
TEST(SnapshotPublisher, WritesTheWholeSnapshotEitherWay) {
    TempFolder folder;
    const TrafficSimulator sim(3, 12);
    std::ostringstream expected;
    sim.writeSnapshot(expected);
    for (const bool inPlace : {true, false}) {
        folder.write("recent.dat", std::string(2000000, 'x'));
        std::string error;
        ASSERT_TRUE(SnapshotPublisher(folder.file("recent.dat"), inPlace).publish(sim, error));
        EXPECT_EQ(folder.read("recent.dat"), expected.str());
        EXPECT_FALSE(folder.exists("recent.dat.tmp"));
    }
    std::string error;
    EXPECT_FALSE(SnapshotPublisher(folder.file("nope/recent.dat"), false).publish(sim, error));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
}

class SnapshotTargets : public ::testing::TestWithParam<test::CaseRow> {};

// tests/data/sim/targets.tsv; columns: what stands where the snapshot goes (a device: /dev/null),
// in place or not.
TEST_P(SnapshotTargets, OnlyARegularFileOrANewOneIsWritten) {
    TempFolder folder;
    folder.write("other.txt", "kept");
    const std::string kind = GetParam()[0];
    const std::string target =
        kind == "a device or socket" ? "/dev/null" : folder.file("recent.dat");
    if (kind != "a folder") {
        CORVANE_SKIP_UNLESS_POSIX("symbolic links without privileges, named pipes nor /dev/null");
    }
    if (kind == "a symbolic link") {
        std::filesystem::create_symlink(folder.file("other.txt"), target);
    } else if (kind == "a pipe") {
        ASSERT_TRUE(test::makePipe(target));
    } else if (kind == "a folder") {
        std::filesystem::create_directory(target);
    }
    std::string error;
    EXPECT_FALSE(FilePublisher::isWritableTarget(target, error));
    EXPECT_EQ(error, target + " is " + kind + ", not a regular file");
    const TrafficSimulator sim(3, 12);
    EXPECT_FALSE(SnapshotPublisher(target, GetParam()[1] == "in place").publish(sim, error));
    EXPECT_EQ(folder.read("other.txt"), "kept");
    EXPECT_NE(std::filesystem::symlink_status(target).type(), std::filesystem::file_type::regular);
}

CORVANE_CASES(Table, SnapshotTargets, "sim/targets.tsv");

}  // namespace
}  // namespace corvane::sim
