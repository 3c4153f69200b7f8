#include <sys/stat.h>
#include <unistd.h>

#include "settings/FolderChoice.h"
#include "support/AppFixture.h"

namespace corvane {
namespace {

using test::AppFixture;

class FolderChoiceTest : public AppFixture {
protected:
    void SetUp() override { start(); }
};

TEST_F(FolderChoiceTest, DataFolderChoiceSavesTheSnapshotPath) {
    platform.folders.push_back("/radar/data");
    app->click("Command3(6)");
    EXPECT_EQ(platform.prompts.back(), "THE EYE OR IVAE Path (ONLY FOLDER DATA)");
    EXPECT_EQ(home.read("DATA/dirRecent.txt"), "/radar/data/recent.dat\r\n");
    EXPECT_EQ(state().SnapshotPath, "/radar/data/recent.dat");
    EXPECT_EQ(state().FolderSelector, 1);
    EXPECT_EQ(window().layout, WindowLayout::Collapsed);
}

TEST_F(FolderChoiceTest, TheLiveFeedFolderIsSavedAsAChosenDataFolderIs) {
    FolderChoice::useDataFolder(context(), "/home/corvane/live");
    EXPECT_EQ(home.read("DATA/dirRecent.txt"), "/home/corvane/live/recent.dat\r\n");
    EXPECT_EQ(state().SnapshotPath, "/home/corvane/live/recent.dat");
}

TEST_F(FolderChoiceTest, ProcedureFolderChoiceSavesTheFolderAsChosen) {
    platform.folders.push_back("/procedures/SIDSTARS");
    app->click("Command3(5)");
    EXPECT_EQ(platform.prompts.back(), "SIDSTARS PMDG PATH OR EVERYWHERE (ONLY FOLDER SIDSTARS)");
    EXPECT_EQ(home.read("DATA/dirSidStar.txt"), "/procedures/SIDSTARS\r\n");
    EXPECT_EQ(state().ProcFolder, "/procedures/SIDSTARS");
    EXPECT_EQ(state().FolderSelector, 0);
}

TEST_F(FolderChoiceTest, CancellingKeepsTheEarlierChoice) {
    platform.folders.push_back("/radar/data");
    app->click("Command3(6)");
    platform.folders.push_back(std::nullopt);
    app->click("Command3(6)");
    EXPECT_EQ(home.read("DATA/dirRecent.txt"), "/radar/data/recent.dat\r\n");
    EXPECT_EQ(state().SnapshotPath, "/radar/data/recent.dat");
}

TEST_F(FolderChoiceTest, TheRootFolderGetsTheSuffixUnchanged) {
    platform.folders.push_back("/");
    app->click("Command3(6)");
    EXPECT_EQ(state().SnapshotPath, "//recent.dat");
}

TEST_F(FolderChoiceTest, AMissingDataFolderIsReportedAndTheChoiceKeptForThisRun) {
    std::filesystem::remove_all(home.file("DATA"));
    platform.folders.push_back("/radar/data");
    app->click("Command3(6)");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(platform.messages[0].text.find("DOES NOT EXIST"), std::string::npos);
    EXPECT_EQ(state().SnapshotPath, "/radar/data/recent.dat");
    EXPECT_EQ(state().UnsavedSnapshotPath, "/radar/data/recent.dat");
}

TEST_F(FolderChoiceTest, AReadOnlyDataFolderIsReportedAndTheChoiceKept) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    ::chmod(home.file("DATA").c_str(), 0555);
    platform.folders.push_back("/procedures");
    app->click("Command3(5)");
    ::chmod(home.file("DATA").c_str(), 0755);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("CANNOT WRITE"), std::string::npos);
    EXPECT_EQ(state().ProcFolder, "/procedures");
}

}  // namespace
}  // namespace corvane
