// Folders where files are expected, files where folders are, links: each connect ends in the
// message naming what cannot be read and the reset; links left as logs are deleted, never their
// targets. (A file that turns into a folder after the connect is a driver session of
// tests/data/script/clearance.)
// A DATA folder that is read-only or full when the settings or the clearance logs are written:
// the choice or the clearance stays in the window, with a message saying what was not saved,
// and nothing unsaved is ever read back.
#include <filesystem>

#include "SessionFixture.h"
#include "support/PosixOnly.h"
#include "window/ShownText.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

class FolderFaultTest : public test::SessionFixture,
                        public ::testing::WithParamInterface<test::CaseRow> {};

TEST_P(FolderFaultTest, ConnectSaysWhatCannotBeReadAndResets) {
    // Columns: damage, path, message.
    const test::CaseRow& c = GetParam();
    const std::string path = home.file(c[1]);
    if (c[0] == "folder") {
        fs::remove_all(path);
        fs::create_directories(path);
    } else if (c[0] == "file") {
        fs::remove_all(path);
        home.write(c[1], "not a folder\r\n");
    } else {
        CORVANE_SKIP_UNLESS_POSIX("symbolic links without privileges");
        fs::rename(path, path + ".real");
        fs::create_symlink(path + ".real", path);
    }
    connect();
    std::string message = c[2];
    if (const auto at = message.find("{}"); at != std::string::npos) {
        message.replace(at, 2, path);
    }
    EXPECT_EQ(messages(), (std::vector<std::string>{message}));
    EXPECT_TRUE(everyMessageIsAnExclamation());
    EXPECT_TRUE(window().departure.traffic.items.empty());
    EXPECT_TRUE(window().topStrip.account.enabled);
}

CORVANE_CASES(Folders, FolderFaultTest, "robustness/folders.tsv");

class FolderAfterConnectTest : public test::SessionFixture {};

TEST_F(FolderAfterConnectTest, ResetAndExitDeleteLinkedLogsButNotWhereTheyPoint) {
    CORVANE_SKIP_UNLESS_POSIX("symbolic links without privileges");
    connect();
    home.write("elsewhere.txt", "kept\r\n");
    platform.answers.push_back(true);  // EXIT asks first
    for (const char* button : {"Command3(7)", "Command3(8)"}) {
        fs::create_symlink(home.file("elsewhere.txt"), home.file("DATA/departure.txt"));
        fs::create_symlink(home.file("absent.txt"), home.file("DATA/arrival.txt"));
        app->click(button);
        EXPECT_FALSE(fs::exists(fs::symlink_status(home.file("DATA/departure.txt")))) << button;
        EXPECT_FALSE(fs::exists(fs::symlink_status(home.file("DATA/arrival.txt")))) << button;
    }
    EXPECT_FALSE(state().running);
    EXPECT_EQ(home.read("elsewhere.txt"), "kept\r\n");
}

using Items = std::vector<std::string>;

constexpr const char* kKeptForThisRun = " THE FOLDER CHOICE IS KEPT ONLY UNTIL THE PROGRAM ENDS.";

class WriteFaultTest : public test::SessionFixture {
protected:
    std::string dataFile(const char* name) { return app->context().folder.dataFile(name); }
    std::string notWritten(const char* log, const char* name, const char* why) {
        return std::string("PAY ATTENTION!!! THE ") + log + " LOG " + dataFile(name) +
               " CANNOT BE WRITTEN (" + why + "). THE CLEARANCE IS NOT RECORDED";
    }
};

TEST_F(WriteFaultTest, ReadOnlyDataFolderKeepsBothFolderChoicesForThisRun) {
    home.write("radar2/recent.dat", sessionData("radar/recent.dat"));
    home.write("procs/EDDT.txt", sessionData("SIDSTARS/EDDT.txt"));
    const std::string settings = home.read("DATA/dirRecent.txt");
    platform.fileSystem.denyWrites = true;
    platform.folders = {home.file("radar2"), home.file("procs")};
    app->click("Command3(6)");
    app->click("Command3(5)");
    EXPECT_EQ(messages(), (Items{"PAY ATTENTION!!! CANNOT WRITE " + dataFile("dirRecent.txt") +
                                     " (ACCESS DENIED)." + kKeptForThisRun,
                                 "PAY ATTENTION!!! CANNOT WRITE " + dataFile("dirSidStar.txt") +
                                     " (ACCESS DENIED)." + kKeptForThisRun}));
    EXPECT_EQ(home.read("DATA/dirRecent.txt"), settings);
    connect();
    EXPECT_TRUE(connected());
    EXPECT_EQ(state().SnapshotPath, home.file("radar2/recent.dat"));
    EXPECT_EQ(state().ProcFolder, home.file("procs"));
}

TEST_F(WriteFaultTest, ReadOnlyDataFolderStillClearsAndListsButSaysTheLogIsNotWritten) {
    connect();
    platform.fileSystem.denyWrites = true;
    ASSERT_TRUE(prepare("ABC12"));
    app->click("cmdSidGen");
    ASSERT_TRUE(prepare("ABC123", true));
    app->click("cmdStarGen");
    EXPECT_EQ(window().departure.cleared.items, (Items{"ABC12   - 2302"}));
    EXPECT_EQ(window().departure.nextCode.text, "2305");  // 2303 and 2304 are squawked
    ASSERT_EQ(window().arrival.cleared.items.size(), 1U);
    EXPECT_EQ(window().arrival.cleared.items[0].substr(0, 7), "ABC123 ");
    EXPECT_EQ(messages(), (Items{notWritten("DEPARTURE", "departure.txt", "ACCESS DENIED"),
                                 notWritten("ARRIVAL", "arrival.txt", "ACCESS DENIED")}));
    // An entry whose record the log could not take shows no clearance, and says why.
    app->select("List1", 0);
    EXPECT_EQ(window().departure.clearance.text, "");
    EXPECT_EQ(messages().back(),
              "PAY ATTENTION!!! THE CLEARANCE OF ABC12 IS NOT IN THE DEPARTURE LOG");
    EXPECT_EQ(window().departure.cleared.items, (Items{"ABC12   - 2302"}));
    EXPECT_TRUE(everyMessageIsAnExclamation());
}

TEST_F(WriteFaultTest, AFullDiskIsNamedAndTheNextClearanceIsReadBackWhole) {
    connect();
    platform.fileSystem.denyWrites = true;
    platform.fileSystem.failure = FileStatus::DiskFull;
    ASSERT_TRUE(prepare("ABC12"));
    app->click("cmdSidGen");
    EXPECT_EQ(messages(), (Items{notWritten("DEPARTURE", "departure.txt", "DISK FULL")}));
    platform.fileSystem.denyWrites = false;
    ASSERT_TRUE(prepare("XYZ345"));
    app->click("cmdSidGen");
    const std::string second = shownText(window().departure.clearance.text);
    // Never the clearance of the aircraft cleared after it, with another code.
    app->select("List1", 0);
    EXPECT_EQ(window().departure.clearance.text, "");
    EXPECT_EQ(window().departure.assignedProcedure.text, "");
    app->select("List1", 1);
    EXPECT_EQ(window().departure.clearance.text, second);
    EXPECT_EQ(messages(),
              (Items{notWritten("DEPARTURE", "departure.txt", "DISK FULL"),
                     "PAY ATTENTION!!! THE CLEARANCE OF ABC12 IS NOT IN THE DEPARTURE LOG"}));
}

TEST_F(WriteFaultTest, LogsThatCannotBeDeletedDoNotStopResetOrExit) {
    connect();
    ASSERT_TRUE(prepare("ABC12"));
    app->click("cmdSidGen");
    platform.fileSystem.denyWrites = true;
    app->click("Command3(7)");
    EXPECT_TRUE(window().departure.cleared.items.empty());
    EXPECT_TRUE(state().IssuedCodes.empty());
    platform.answers.push_back(true);
    app->click("Command3(8)");
    EXPECT_FALSE(state().running);
}

// A log left by a killed run that cannot be deleted at start (the deletion is the driver session
// startup/ALogLeftByAKilledRunIsDeletedAtStart) still holds no record of this connection.
TEST_F(WriteFaultTest, ALogLeftByAKilledRunIsNeverReadBack) {
    const std::string old = "ABC12  /OLD CLEARANCE TO DEST KJFK INITIALLY SQUAWK 2301/OLD\r\n";
    home.write("DATA/departure.txt", old);
    platform.fileSystem.denyWrites = true;
    app = std::make_unique<MainWindowController>(platform, home.path());
    app->start();
    connect();
    ASSERT_TRUE(prepare("ABC12"));
    app->click("cmdSidGen");
    const std::string cleared =
        "SOME AIR 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABCDE1 STANDARD DEPARTURE "
        "CLIMB AND MANTAIN FL 120 INITIALLY SQUAWK 2302";
    EXPECT_EQ(window().departure.clearance.text, cleared);
    app->select("List1", 0);
    EXPECT_EQ(window().departure.clearance.text, "");
    EXPECT_EQ(home.read("DATA/departure.txt"), old);
}

}  // namespace
}  // namespace corvane
