#include "SnapshotPublisher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "platform/FilePublisher.h"
#include "support/CaseTable.h"
#include "support/PosixOnly.h"
#include "support/TempFolder.h"

namespace corvane::sim {
namespace {

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

// tests/data/sim/targets.tsv; columns: what stands where the snapshot goes, in place or not.
TEST_P(SnapshotTargets, OnlyARegularFileOrANewOneIsWritten) {
    TempFolder folder;
    folder.write("other.txt", "kept");
    const std::string target = folder.file("recent.dat");
    const std::string kind = GetParam()[0];
    if (kind != "a folder") {
        CORVANE_SKIP_UNLESS_POSIX("symbolic links without privileges, nor named pipes");
    }
    if (kind == "a symbolic link") {
        std::filesystem::create_symlink(folder.file("other.txt"), target);
    } else if (kind == "a pipe") {
        ASSERT_TRUE(test::makePipe(target));
    } else {
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
