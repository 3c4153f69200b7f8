// The choices' files, state and messages are driver sessions too
// (tests/data/script/startup/FolderChoice...); the prompts and failures need a fake platform.

#include <sys/stat.h>

#include "platform/NativePath.h"
#include "settings/FolderChoice.h"
#include "support/AppFixture.h"
#include "support/PosixOnly.h"

namespace corvane {
namespace {

// The chosen folder's snapshot, joined with the system's own separator.
const std::string kRecent = std::string(1, kPathSeparator) + "recent.dat";

class FolderChoiceTest : public test::AppFixture {
protected:
    void SetUp() override { start(); }
};

TEST_F(FolderChoiceTest, EachButtonPromptsAndSavesItsFolderACancelKeepsIt) {
    platform.folders = {"/procedures/SIDSTARS", "/radar/data", std::nullopt, "/"};
    app->click("Command3(5)");
    EXPECT_EQ(platform.prompts.back(), "SIDSTARS PMDG PATH OR EVERYWHERE (ONLY FOLDER SIDSTARS)");
    EXPECT_EQ(home.read("DATA/dirSidStar.txt"), "/procedures/SIDSTARS\r\n");
    EXPECT_EQ(state().ProcFolder, "/procedures/SIDSTARS");
    EXPECT_EQ(state().FolderSelector, 0);
    app->click("Command3(6)");
    EXPECT_EQ(platform.prompts.back(), "THE EYE OR IVAE Path (ONLY FOLDER DATA)");
    app->click("Command3(6)");
    EXPECT_EQ(home.read("DATA/dirRecent.txt"), "/radar/data" + kRecent + "\r\n");
    EXPECT_EQ(state().SnapshotPath, "/radar/data" + kRecent);
    app->click("Command3(6)");
    EXPECT_EQ(state().SnapshotPath, "/" + kRecent);
    FolderChoice::useDataFolder(state(), context().platform, context().folder,
                                "/home/corvane/live");
    EXPECT_EQ(home.read("DATA/dirRecent.txt"), "/home/corvane/live" + kRecent + "\r\n");
    EXPECT_EQ(state().SnapshotPath, "/home/corvane/live" + kRecent);
}

TEST_F(FolderChoiceTest, AMissingDataFolderKeepsTheChoiceForThisRun) {
    std::filesystem::remove_all(home.file("DATA"));
    platform.folders.push_back("/radar/data");
    app->click("Command3(6)");
    EXPECT_EQ(state().UnsavedSnapshotPath, "/radar/data" + kRecent);
}

TEST_F(FolderChoiceTest, AReadOnlyDataFolderIsReportedAndTheChoiceKept) {
    if (test::permissionsIgnored()) {
        GTEST_SKIP() << "root (and anyone on Windows) writes into read-only folders";
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
