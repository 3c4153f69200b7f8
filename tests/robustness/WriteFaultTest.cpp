// A DATA folder that is missing or refuses writes when the settings or the clearance logs are
// written: the choice or the clearance stays in the window, with a message saying what was not
// saved.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SessionFixture.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;

constexpr const char* kKeptForThisRun = " THE FOLDER CHOICE IS KEPT ONLY UNTIL THE PROGRAM ENDS.";
constexpr const char* kFirstDeparture =
    "SOME AIR 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABCDE1 STANDARD DEPARTURE CLIMB "
    "AND MANTAIN FL 120 INITIALLY SQUAWK 2302";

class WriteFaultTest : public test::SessionFixture {
protected:
    std::string dataFolder() { return app->context().folder.dataFolder(); }
    std::string dataFile(const char* name) { return app->context().folder.dataFile(name); }
};

TEST_F(WriteFaultTest, ReadOnlyDataFolderKeepsTheSnapshotFolderChoiceForThisRun) {
    home.write("radar2/recent.dat", sessionData("recent.dat"));
    const std::string settings = home.read("DATA/dirRecent.txt");
    platform.faulty.denyWrites = true;
    platform.fake.folders.push_back(home.file("radar2"));
    app->click("Command3(6)");
    EXPECT_EQ(messages(), (std::vector<std::string>{"PAY ATTENTION!!! CANNOT WRITE " +
                                                    dataFile("dirRecent.txt") +
                                                    " (ACCESS DENIED)." + kKeptForThisRun}));
    EXPECT_EQ(home.read("DATA/dirRecent.txt"), settings);
    EXPECT_EQ(platform.faulty.refusedWrites, 1);
    connect();
    EXPECT_TRUE(connected());
    EXPECT_EQ(state().SnapshotPath, home.file("radar2/recent.dat"));
}

TEST_F(WriteFaultTest, ReadOnlyDataFolderKeepsTheProcedureFolderChoiceForThisRun) {
    home.write("procs/EDDT.txt", testData("clearance/EDDT.txt"));
    platform.faulty.denyWrites = true;
    platform.fake.folders.push_back(home.file("procs"));
    app->click("Command3(5)");
    EXPECT_EQ(messages(), (std::vector<std::string>{"PAY ATTENTION!!! CANNOT WRITE " +
                                                    dataFile("dirSidStar.txt") +
                                                    " (ACCESS DENIED)." + kKeptForThisRun}));
    connect();
    EXPECT_TRUE(connected());
    EXPECT_EQ(state().ProcFolder, home.file("procs"));
}

TEST_F(WriteFaultTest, MissingDataFolderKeepsTheFolderChoiceForThisRun) {
    const std::string folder = dataFolder();
    std::filesystem::remove_all(home.file("DATA"));
    platform.fake.folders.push_back(home.file("radar"));
    app->click("Command3(6)");
    EXPECT_EQ(messages(),
              (std::vector<std::string>{"PAY ATTENTION!!! THE DATA FOLDER " + folder +
                                        " DOES NOT EXIST, SO dirRecent.txt CANNOT BE SAVED." +
                                        kKeptForThisRun}));
    EXPECT_FALSE(home.exists("DATA"));
    EXPECT_TRUE(state().running);
}

TEST_F(WriteFaultTest, ReadOnlyDataFolderStillClearsAndListsButSaysTheLogIsNotWritten) {
    connect();
    ASSERT_TRUE(connected());
    platform.faulty.denyWrites = true;
    ASSERT_TRUE(prepareDeparture("ABC12"));
    app->click("cmdSidGen");
    EXPECT_EQ(window().LblIfrSid.text, kFirstDeparture);
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2302"}));
    EXPECT_EQ(window().LblSquawk.text, "2305");  // 2303 and 2304 are squawked
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  "PAY ATTENTION!!! THE DEPARTURE LOG " + dataFile("departure.txt") +
                  " CANNOT BE WRITTEN (ACCESS DENIED). THE CLEARANCE IS NOT RECORDED"}));
    // The entry cannot be shown from the missing log: a message, and the clearance on screen
    // stays.
    app->select("List1", 0);
    EXPECT_EQ(messages().back(), "PAY ATTENTION!!! THE DEPARTURE LOG " + dataFile("departure.txt") +
                                     " CANNOT BE READ (FILE NOT FOUND)");
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2302"}));
    EXPECT_TRUE(everyMessageIsAnExclamation());
}

TEST_F(WriteFaultTest, ReadOnlyDataFolderArrivalClearanceIsShownAndListed) {
    connect();
    ASSERT_TRUE(connected());
    platform.faulty.denyWrites = true;
    ASSERT_TRUE(prepareArrival("ABC123"));
    app->click("cmdStarGen");
    EXPECT_FALSE(window().lblIfrStar.text.empty());
    ASSERT_EQ(window().List2.items.size(), 1U);
    EXPECT_EQ(window().List2.items[0].substr(0, 7), "ABC123 ");
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  "PAY ATTENTION!!! THE ARRIVAL LOG " + dataFile("arrival.txt") +
                  " CANNOT BE WRITTEN (ACCESS DENIED). THE CLEARANCE IS NOT RECORDED"}));
}

TEST_F(WriteFaultTest, DataFolderRemovedAfterConnectLosesNoClearance) {
    connect();
    ASSERT_TRUE(connected());
    std::filesystem::remove_all(home.file("DATA"));
    ASSERT_TRUE(prepareDeparture("ABC12"));
    app->click("cmdSidGen");
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2302"}));
    // The airline table went with the folder (its own message at the selection), then the log.
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(messages().back().rfind("PAY ATTENTION!!! THE DEPARTURE LOG ", 0), 0U);
    EXPECT_NE(messages().back().find("CANNOT BE WRITTEN (PATH NOT FOUND)"), std::string::npos);
    EXPECT_TRUE(everyMessageIsAnExclamation());
}

TEST_F(WriteFaultTest, LogsThatCannotBeDeletedDoNotStopResetOrExit) {
    connect();
    ASSERT_TRUE(prepareDeparture("ABC12"));
    app->click("cmdSidGen");
    ASSERT_TRUE(home.exists("DATA/departure.txt"));
    platform.faulty.denyWrites = true;
    app->click("Command3(7)");
    EXPECT_TRUE(window().List1.items.empty());
    EXPECT_TRUE(state().IssuedCodes.empty());
    EXPECT_TRUE(state().running);
    platform.fake.answers.push_back(true);
    app->click("Command3(8)");
    EXPECT_FALSE(state().running);
}

TEST_F(WriteFaultTest, AFullDiskIsNamedAndTheNextClearanceIsReadBackWhole) {
    connect();
    ASSERT_TRUE(connected());
    platform.faulty.denyWrites = true;
    platform.faulty.failure = FileStatus::DiskFull;
    ASSERT_TRUE(prepareDeparture("ABC12"));
    app->click("cmdSidGen");
    EXPECT_EQ(messages(), (std::vector<std::string>{
                              "PAY ATTENTION!!! THE DEPARTURE LOG " + dataFile("departure.txt") +
                              " CANNOT BE WRITTEN (DISK FULL). THE CLEARANCE IS NOT RECORDED"}));
    platform.faulty.denyWrites = false;
    ASSERT_TRUE(prepareDeparture("XYZ345"));
    app->click("cmdSidGen");
    const std::string second = window().LblIfrSid.text;
    app->select("List1", 0);
    EXPECT_EQ(window().LblIfrSid.text, second) << "no record of ABC12 to show";
    app->select("List1", 1);
    EXPECT_EQ(window().LblIfrSid.text, second);
    EXPECT_EQ(messages().size(), 1U);
}

TEST_F(WriteFaultTest, ALogLeftByAKilledRunIsDeletedAtStartAndNeverReadBack) {
    const std::string old = "ABC12  /OLD CLEARANCE TO DEST KJFK INITIALLY SQUAWK 2301/OLD\r\n";
    home.write("DATA/departure.txt", old);
    home.write("DATA/dirRecent.txt.partial-Ab12Cd", "half a setting");
    app = std::make_unique<MainWindowController>(platform, home.path());
    app->start();
    EXPECT_FALSE(home.exists("DATA/departure.txt"));
    EXPECT_FALSE(home.exists("DATA/dirRecent.txt.partial-Ab12Cd"));
    // A log that cannot be deleted still holds no record of this connection.
    home.write("DATA/departure.txt", old);
    platform.faulty.denyWrites = true;
    app = std::make_unique<MainWindowController>(platform, home.path());
    app->start();
    connect();
    ASSERT_TRUE(connected());
    ASSERT_TRUE(prepareDeparture("ABC12"));
    app->click("cmdSidGen");
    app->select("List1", 0);
    EXPECT_EQ(window().LblIfrSid.text, kFirstDeparture);
    EXPECT_EQ(home.read("DATA/departure.txt"), old);
}

}  // namespace
}  // namespace corvane
