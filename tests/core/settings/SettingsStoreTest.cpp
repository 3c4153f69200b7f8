// The settings files' last line, and the folder choices. The choices' files, state and messages
// are driver sessions too (tests/data/script/startup/FolderChoice...); the prompts and the live
// feed's folder need a fake platform, and a DATA folder that is missing or refuses writes is
// tests/robustness/FolderFaultTest.cpp.
#include "platform/NativePath.h"
#include "settings/FolderChoice.h"
#include "settings/SettingsStore.h"
#include "support/AppFixture.h"

namespace corvane {
namespace {

using test::AppFixture;

class LastLine : public AppFixture, public ::testing::WithParamInterface<test::CaseRow> {};

// tests/data/settings/last-line.tsv
TEST_P(LastLine, TheLastLineOfTheFileCounts) {
    home.write("DATA/dirRecent.txt", GetParam()[0]);
    state().FolderSelector = static_cast<std::int16_t>(GetParam().number(1));
    ASSERT_EQ(
        SettingsStore::readLastLine(state(), context().files(), home.file("DATA/dirRecent.txt")),
        FileStatus::Ok);
    EXPECT_EQ(state().SnapshotPath, GetParam()[2]);
    EXPECT_EQ(state().ProcFolder, GetParam()[3]);
    EXPECT_EQ(state().FolderSelector, 0);
}

CORVANE_CASES(Files, LastLine, "settings/last-line.tsv");

class SettingsStoreTest : public AppFixture {
protected:
    FileStatus load(Setting setting) {
        return SettingsStore::load(state(), context().files(), context().folder, setting);
    }
    bool available(Setting setting) {
        return SettingsStore::isAvailable(state(), context().files(), context().folder, setting);
    }
};

TEST_F(SettingsStoreTest, LoadFallsBackToTheUnsavedChoiceOfThisRun) {
    state().UnsavedSnapshotPath = "/radar/recent.dat";
    EXPECT_TRUE(available(Setting::SnapshotPath));
    EXPECT_EQ(load(Setting::SnapshotPath), FileStatus::Ok);
    EXPECT_EQ(state().SnapshotPath, "/radar/recent.dat");
    EXPECT_EQ(state().FolderSelector, 0);
    EXPECT_FALSE(available(Setting::ProcFolder));
}

TEST_F(SettingsStoreTest, UnsavedChoiceWinsOverTheOlderFileItCouldNotReplace) {
    home.write("DATA/dirRecent.txt", "/old/recent.dat\r\n");
    home.write("DATA/dirSidStar.txt", "/old/procedures\r\n");
    state().UnsavedSnapshotPath = "/new/recent.dat";
    EXPECT_EQ(load(Setting::SnapshotPath), FileStatus::Ok);
    EXPECT_EQ(state().SnapshotPath, "/new/recent.dat");
    EXPECT_EQ(load(Setting::ProcFolder), FileStatus::Ok);
    EXPECT_EQ(state().ProcFolder, "/old/procedures");
}

TEST_F(SettingsStoreTest, AFolderNamedLikeTheSettingsFileCountsAsPresent) {
    std::filesystem::create_directories(home.file("DATA/dirSidStar.txt"));
    EXPECT_TRUE(available(Setting::ProcFolder));
    EXPECT_EQ(load(Setting::ProcFolder), FileStatus::IsDirectory);
}

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
}

class DataFolderRun : public FolderChoiceTest, public ::testing::WithParamInterface<test::CaseRow> {
protected:
    // The settings file's line for `folder`, or "(none)".
    static std::string line(const std::string& folder) {
        return folder == "(none)" ? folder : folder + kRecent + "\r\n";
    }
};

TEST_P(DataFolderRun, SavesOnlyWhatTheControllerChose) {
    const test::CaseRow& row = GetParam();
    if (row[0] != "(none)") {
        home.write("DATA/dirRecent.txt", line(row[0]));
    }
    for (const std::string& step : test::splitAt(row[1], ';')) {
        const std::string kind = step.substr(0, step.find(':'));
        const std::string folder = step.substr(std::min(step.size(), kind.size() + 1));
        if (kind == "live") {
            FolderChoice::useDataFolder(state(), folder);
        } else {
            platform.folders.push_back(kind == "choose" ? std::optional(folder) : std::nullopt);
            app->click("Command3(6)");
        }
    }
    EXPECT_EQ(home.exists("DATA/dirRecent.txt") ? home.read("DATA/dirRecent.txt") : "(none)",
              line(row[2]));
    state().SnapshotPath.clear();
    ASSERT_TRUE(SettingsStore::isAvailable(state(), context().files(), context().folder,
                                           Setting::SnapshotPath));
    SettingsStore::load(state(), context().files(), context().folder, Setting::SnapshotPath);
    EXPECT_EQ(state().SnapshotPath, row[3] + kRecent);
    EXPECT_TRUE(platform.messages.empty());
}

CORVANE_CASES(Table, DataFolderRun, "settings/data-folder.tsv");

}  // namespace
}  // namespace corvane
