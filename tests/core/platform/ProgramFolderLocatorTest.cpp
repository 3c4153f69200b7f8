#include <gtest/gtest.h>

#include <filesystem>

#include "platform/LocalFileSystem.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramFolderLocator.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

TEST(ProgramFolder, FindsTheDataFolderWhateverItsCaseAndNamesDataWhenThereIsNone) {
    test::TempFolder home;
    test::TempFolder bare;
    LocalFileSystem files;
    home.write("data/Airlines.dat", "");
    const ProgramFolder folder(home.path(), files);
    EXPECT_EQ(folder.dataFolder(), home.file("data"));
    EXPECT_EQ(folder.dataFile("airlines.dat"), home.file("data/Airlines.dat"));
    EXPECT_EQ(folder.dataFile("departure.txt"), home.file("data/departure.txt"));
    EXPECT_EQ(ProgramFolder(bare.path(), files).dataFile("dirRecent.txt"),
              bare.file("DATA/dirRecent.txt"));
}

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
    root.write("a/DATA/ssr_code.txt", "");
    root.write("b/DATA/ssr_code.txt", "");
    sources.homeOption = root.file("a");
    sources.homeVariable = root.file("b");
    EXPECT_EQ(locate(), root.file("a"));
    sources.homeOption.reset();
    EXPECT_EQ(locate(), root.file("b"));
}

TEST_F(Locator, UnusableFoldersAreRefusedWithTheFolderNamed) {
    root.write("file", "");
    root.write("datafile/DATA", "");
    root.write("user/corvane/DATA/ssr_code.txt", "");
    sources.userDataFolder = root.file("user");
    const std::string folder = "the program folder " + root.file("");
    // By --home (or by CORVANE_HOME), the folder named, what is wrong with it.
    const std::tuple<bool, std::string, std::string> cases[] = {
        {true, "missing", folder + "missing does not exist"},
        {true, "file", folder + "file is not a folder"},
        {true, "datafile", "the DATA folder " + root.file("datafile/DATA") + " is not a folder"},
        {true, "", "the program folder is named by an empty text"},
        {false, "missing", folder + "missing does not exist"}};
    for (const auto& [byOption, name, reason] : cases) {
        sources.homeOption.reset();
        (byOption ? sources.homeOption : sources.homeVariable) =
            name.empty() ? "" : root.file(name);
        EXPECT_FALSE(locate());
        EXPECT_EQ(error, reason);
    }
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

TEST_F(Locator, DefaultsAreLookedForBesideTheExecutableFirstAndNoUserFolderIsAnError) {
    EXPECT_FALSE(locate());
    EXPECT_FALSE(error.empty());
    sources = ProgramFolderLocator::fromEnvironment(std::nullopt, "corvane");
    ASSERT_EQ(sources.defaultsFolders.size(), 2u);
    EXPECT_EQ(sources.defaultsFolders[0],
              (std::filesystem::path(sources.executableFolder).parent_path() / "share/corvane")
                  .lexically_normal()
                  .string());
}

}  // namespace
}  // namespace corvane
