// The choices' files, state and messages are driver sessions too
// (tests/data/script/startup/FolderChoice...); the prompts need a fake platform, and a DATA
// folder that is missing or refuses writes is tests/robustness/WriteFaultTest.cpp.

#include "platform/NativePath.h"
#include "settings/FolderChoice.h"
#include "support/AppFixture.h"

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
    FolderChoice::useDataFolder(context(), "/home/corvane/live");
    EXPECT_EQ(home.read("DATA/dirRecent.txt"), "/home/corvane/live" + kRecent + "\r\n");
    EXPECT_EQ(state().SnapshotPath, "/home/corvane/live" + kRecent);
}

}  // namespace
}  // namespace corvane
