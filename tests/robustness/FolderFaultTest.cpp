// Folders where files are expected, files where folders are, links: each connect ends in the
// message naming what cannot be read and the reset, and a file that turns into a folder after
// the connect loses no clearance.
#include <filesystem>

#include "SessionFixture.h"
#include "support/PosixOnly.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// Replaces the file `relative` of `home` by an empty folder.
void makeFolder(const test::TempFolder& home, const std::string& relative) {
    fs::remove_all(home.file(relative));
    fs::create_directories(home.file(relative));
}

class FolderFaultTest : public test::SessionFixture,
                        public ::testing::WithParamInterface<test::CaseRow> {};

TEST_P(FolderFaultTest, ConnectSaysWhatCannotBeReadAndResets) {
    // Columns: damage, path, message.
    const test::CaseRow& c = GetParam();
    const std::string path = home.file(c[1]);
    if (c[0] == "folder") {
        makeFolder(home, c[1]);
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
    EXPECT_TRUE(window().LstDeparture.items.empty());
    EXPECT_TRUE(window().TxtOperatorName.enabled);
}

CORVANE_CASES(Folders, FolderFaultTest, "robustness/folders.tsv");

class FolderAfterConnectTest : public test::SessionFixture {};

TEST_F(FolderAfterConnectTest, ProcedureFileBecomingAFolderGivesNoCodeAndKeepsTheAircraft) {
    connect();
    ASSERT_TRUE(prepare("ABC12"));
    makeFolder(home, "SIDSTARS/EDDT.txt");
    app->click("cmdSidGen");
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_NE(messages()[0].find("EDDT.txt"), std::string::npos);
    EXPECT_TRUE(window().List1.items.empty());
    EXPECT_EQ(window().LblSquawk.text, "2301");
    EXPECT_EQ(window().LstDeparture.items, (std::vector<std::string>{"ABC12", "XYZ345"}));
    EXPECT_TRUE(state().IssuedCodes.empty());
}

TEST_F(FolderAfterConnectTest, SnapshotBecomingAFolderKeepsTheClearedAircraft) {
    connect();
    ASSERT_TRUE(prepare("ABC12"));
    app->click("cmdSidGen");
    ASSERT_TRUE(prepare("XYZ345"));  // analysed while the snapshot is readable
    makeFolder(home, "radar/recent.dat");
    app->click("cmdSidGen");
    // Without the snapshot only this connection's codes are known to be taken.
    EXPECT_EQ(window().List1.items, (std::vector<std::string>{"ABC12   - 2302", "XYZ345  - 2305"}));
    app->select("List1", 0);
    EXPECT_EQ(window().List1.items.size(), 2U);
    EXPECT_TRUE(everyMessageIsAnExclamation());
}

}  // namespace
}  // namespace corvane
