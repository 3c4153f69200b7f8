#include "SnapshotPublisher.h"
#include "platform/FilePublisher.h"
#include "support/CaseName.h"
#include "support/PosixOnly.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace corvane::sim {
namespace {

std::string readAll(const std::filesystem::path& path) {
    return corvane::test::readFileBytes(path.string());
}

// A fresh folder per test, removed with everything in it.
class SnapshotPublisherTest : public ::testing::Test {
protected:
    corvane::test::TempFolder folder;
    const std::filesystem::path dir_ = folder.path();
};

// Through a temporary file and a rename, or in place over older, longer content.
TEST_F(SnapshotPublisherTest, WritesTheWholeSnapshotEitherWay) {
    const auto target = dir_ / "recent.dat";
    TrafficSimulator sim(3, 12);
    std::ostringstream expected;
    sim.writeSnapshot(expected);
    for (const bool inPlace : {true, false}) {
        std::ofstream(target, std::ios::binary) << std::string(2000000, 'x');
        std::string error;
        ASSERT_TRUE(SnapshotPublisher(target.string(), inPlace).publish(sim, error)) << error;
        EXPECT_EQ(readAll(target), expected.str());
        EXPECT_FALSE(std::filesystem::exists(target.string() + ".tmp"));
    }
}

TEST_F(SnapshotPublisherTest, MissingFolderIsReported) {
    TrafficSimulator sim(3, 12);
    std::string error;
    EXPECT_FALSE(
        SnapshotPublisher((dir_ / "nope" / "recent.dat").string(), false).publish(sim, error));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
}

struct TargetCase {
    std::string name;
    bool inPlace;
    const char* kind;
};
void PrintTo(const TargetCase& c, std::ostream* out) {
    *out << c.name;
}

class SnapshotTargets : public SnapshotPublisherTest,
                        public ::testing::WithParamInterface<TargetCase> {};

TEST_P(SnapshotTargets, OnlyARegularFileOrANewOneIsWritten) {
    const auto other = dir_ / "other.txt";
    std::ofstream(other) << "kept";
    const auto target = dir_ / "recent.dat";
    const std::string kind = GetParam().kind;
    if (kind != "a folder") {
        CORVANE_SKIP_UNLESS_POSIX("symbolic links without privileges, nor named pipes");
    }
    if (kind == "a symbolic link") {
        std::filesystem::create_symlink(other, target);
    } else if (kind == "a pipe") {
        ASSERT_TRUE(test::makePipe(target.string()));
    } else {
        std::filesystem::create_directory(target);
    }
    std::string error;
    EXPECT_FALSE(FilePublisher::isWritableTarget(target.string(), error));
    EXPECT_EQ(error, target.string() + " is " + kind + ", not a regular file");
    TrafficSimulator sim(3, 12);
    EXPECT_FALSE(SnapshotPublisher(target.string(), GetParam().inPlace).publish(sim, error));
    EXPECT_EQ(readAll(other), "kept");
    EXPECT_NE(std::filesystem::symlink_status(target).type(), std::filesystem::file_type::regular);
}

INSTANTIATE_TEST_SUITE_P(Table, SnapshotTargets,
                         ::testing::Values(TargetCase{"Link", false, "a symbolic link"},
                                           TargetCase{"LinkInPlace", true, "a symbolic link"},
                                           TargetCase{"Pipe", false, "a pipe"},
                                           TargetCase{"PipeInPlace", true, "a pipe"},
                                           TargetCase{"Folder", false, "a folder"}),
                         corvane::test::caseName<TargetCase>);

}  // namespace
}  // namespace corvane::sim
