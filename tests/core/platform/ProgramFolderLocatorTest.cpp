#include <gtest/gtest.h>

#include <filesystem>

#include "platform/LocalFileSystem.h"
#include "platform/ProgramFolderLocator.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

class Locator : public ::testing::Test {
protected:
    std::optional<std::string> locate() {
        return ProgramFolderLocator::locate(sources, files, error);
    }

    test::TempFolder root;
    LocalFileSystem files;
    ProgramFolderSources sources;
    std::string error;
};

TEST_F(Locator, TheHomeOptionComesFirstThenTheVariable) {
    sources.homeOption = "/opt/a";
    sources.homeVariable = "/opt/b";
    EXPECT_EQ(locate(), "/opt/a");
    sources.homeOption.reset();
    EXPECT_EQ(locate(), "/opt/b");
}

TEST_F(Locator, TheExecutablesFolderCountsWhenItHoldsData) {
    root.write("bin/data/ssr_code.txt", "");
    sources.executableFolder = root.file("bin");
    sources.userDataFolder = root.file("user");
    EXPECT_EQ(locate(), root.file("bin"));
}

TEST_F(Locator, OtherwiseAPerUserFolderIsMadeAndSeededWithoutOverwriting) {
    root.write("bin/corvane", "");
    root.write("share/corvane/DATA/ssr_code.txt", "EDDF:2301:2377:5000\r\n");
    root.write("share/corvane/DATA/airlines.dat", "DLH:x:Lufthansa\r\n");
    root.write("usr/share/corvane/DATA/ssr_code.txt", "configured\r\n");
    root.write("user/corvane/DATA/airlines.dat", "mine\r\n");
    sources.executableFolder = root.file("bin");
    sources.userDataFolder = root.file("user");
    // A folder without DATA is passed over; the first with it wins over the configured one.
    sources.defaultsFolders = {root.file("moved"), root.file("share/corvane"),
                               root.file("usr/share/corvane")};
    EXPECT_EQ(locate(), root.file("user/corvane"));
    EXPECT_EQ(root.read("user/corvane/DATA/ssr_code.txt"), "EDDF:2301:2377:5000\r\n");
    EXPECT_EQ(root.read("user/corvane/DATA/airlines.dat"), "mine\r\n");
}

TEST_F(Locator, DefaultsAreLookedForBesideTheExecutableFirst) {
    sources = ProgramFolderLocator::fromEnvironment(std::nullopt, "corvane");
    ASSERT_EQ(sources.defaultsFolders.size(), 2u);
    EXPECT_EQ(
        sources.defaultsFolders[0],
        (std::filesystem::path(sources.executableFolder).parent_path() / "share/corvane").string());
}

TEST_F(Locator, NoUserFolderIsAnError) {
    EXPECT_FALSE(locate());
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace corvane
