// Folders where files are expected, and files or folders that are missing: each connect ends
// in a clear message and the reset, and a later connect on intact files works again.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "SessionFixture.h"

namespace corvane {
namespace {

constexpr const char* kPathNotFound =
    "PAY ATTENTION!!! YOUR THE EYE DIRECTORY OR SIDSTAR DIRECTORY DON'T EXIST USE IVAO DATA "
    "IMPORT OR UPDATE AIRAC TO SET ";

std::string cannotReadFolder(const std::string& path) {
    return "PAY ATTENTION!!! CANNOT READ FILE " + path + " (IT IS A FOLDER, NOT A FILE)";
}

// Turns the file `relative` of the home into an empty folder of that name.
void makeFolder(const test::TempFolder& home, const std::string& relative) {
    std::filesystem::remove(home.file(relative));
    std::filesystem::create_directories(home.file(relative));
}

struct FolderCase {
    const char* name;
    std::function<void(const test::TempFolder&)> damage;
    std::function<std::string(const test::TempFolder&)> message;
};

std::vector<FolderCase> folderCases() {
    return {
        {"SnapshotPathIsAFolder",
         [](const test::TempFolder& home) {
             home.write("DATA/dirRecent.txt", home.file("radar") + "\r\n");
         },
         [](const test::TempFolder& home) { return cannotReadFolder(home.file("radar")); }},
        {"SnapshotFileIsAFolder",
         [](const test::TempFolder& home) { makeFolder(home, "radar/recent.dat"); },
         [](const test::TempFolder& home) {
             return cannotReadFolder(home.file("radar/recent.dat"));
         }},
        {"ProcedureFileIsAFolder",
         [](const test::TempFolder& home) { makeFolder(home, "SIDSTARS/EDDT.txt"); },
         [](const test::TempFolder& home) {
             return cannotReadFolder(home.file("SIDSTARS/EDDT.txt"));
         }},
        {"ProcedureFolderIsAFile",
         [](const test::TempFolder& home) {
             std::filesystem::remove_all(home.file("SIDSTARS"));
             home.write("SIDSTARS", "not a folder\r\n");
         },
         [](const test::TempFolder&) { return std::string(kPathNotFound); }},
        {"SnapshotSettingIsAFolder",
         [](const test::TempFolder& home) { makeFolder(home, "DATA/dirRecent.txt"); },
         [](const test::TempFolder& home) {
             return cannotReadFolder(home.file("DATA/dirRecent.txt"));
         }},
        {"ProcedureSettingIsAFolder",
         [](const test::TempFolder& home) { makeFolder(home, "DATA/dirSidStar.txt"); },
         [](const test::TempFolder& home) {
             return cannotReadFolder(home.file("DATA/dirSidStar.txt"));
         }},
        {"SnapshotSettingIsALink",
         [](const test::TempFolder& home) {
             std::filesystem::rename(home.file("DATA/dirRecent.txt"), home.file("DATA/real.txt"));
             std::filesystem::create_symlink(home.file("DATA/real.txt"),
                                             home.file("DATA/dirRecent.txt"));
         },
         [](const test::TempFolder& home) {
             return "PAY ATTENTION!!! CANNOT READ FILE " + home.file("DATA/dirRecent.txt") +
                    " (IT IS A SYMBOLIC LINK, WHICH IS NOT FOLLOWED)";
         }},
        {"SquawkTableIsAFolder",
         [](const test::TempFolder& home) { makeFolder(home, "DATA/ssr_code.txt"); },
         [](const test::TempFolder& home) {
             return cannotReadFolder(home.file("DATA/ssr_code.txt"));
         }},
        {"SnapshotFolderMissing",
         [](const test::TempFolder& home) { std::filesystem::remove_all(home.file("radar")); },
         [](const test::TempFolder&) { return std::string(kPathNotFound); }},
        {"ProcedureFolderMissing",
         [](const test::TempFolder& home) { std::filesystem::remove_all(home.file("SIDSTARS")); },
         [](const test::TempFolder&) { return std::string(kPathNotFound); }},
    };
}

class FolderFaultTest : public test::SessionFixture,
                        public ::testing::WithParamInterface<FolderCase> {};

TEST_P(FolderFaultTest, ConnectSaysWhatCannotBeReadAndResets) {
    const FolderCase& c = GetParam();
    c.damage(home);
    connect();
    EXPECT_EQ(messages(), (std::vector<std::string>{c.message(home)}));
    EXPECT_TRUE(everyMessageIsAnExclamation());
    EXPECT_TRUE(window().LstDeparture.items.empty());
    EXPECT_TRUE(window().TxtOperatorName.enabled);
    EXPECT_TRUE(state().running);
}

INSTANTIATE_TEST_SUITE_P(Folders, FolderFaultTest, ::testing::ValuesIn(folderCases()),
                         [](const auto& param) { return std::string(param.param.name); });

class FolderAfterConnectTest : public test::SessionFixture {
protected:
    void SetUp() override {
        connect();
        ASSERT_TRUE(connected());
        ASSERT_TRUE(prepareDeparture("ABC12"));
    }
};

TEST_F(FolderAfterConnectTest, ProcedureFileBecomingAFolderGivesNoCodeAndKeepsTheAircraft) {
    makeFolder(home, "SIDSTARS/EDDT.txt");
    app->click("cmdSidGen");
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_EQ(messages()[0].rfind("PAY ATTENTION!!! ", 0), 0U);
    EXPECT_NE(messages()[0].find("EDDT.txt"), std::string::npos);
    EXPECT_TRUE(window().List1.items.empty());
    EXPECT_EQ(window().LblSquawk.text, "2301");
    EXPECT_EQ(window().LstDeparture.items, (std::vector<std::string>{"ABC12", "XYZ345"}));
    EXPECT_TRUE(state().IssuedCodes.empty());
}

TEST_F(FolderAfterConnectTest, SnapshotBecomingAFolderKeepsTheClearedAircraft) {
    app->click("cmdSidGen");
    ASSERT_EQ(window().List1.items.size(), 1U);
    ASSERT_TRUE(prepareDeparture("XYZ345"));  // analysed while the snapshot is readable
    makeFolder(home, "radar/recent.dat");
    app->click("cmdSidGen");
    // Without the snapshot only this connection's codes are known to be taken; the code on
    // offer was chosen while the snapshot was readable.
    EXPECT_EQ(window().List1.items, (std::vector<std::string>{"ABC12   - 2302", "XYZ345  - 2305"}));
    app->select("List1", 0);
    EXPECT_EQ(window().List1.items.size(), 2U);
    EXPECT_TRUE(everyMessageIsAnExclamation());
}

TEST_F(FolderAfterConnectTest, AirlineTableThatIsAFolderLeavesTheAirlineUnknownOrSaysWhy) {
    makeFolder(home, "DATA/airlines.dat");
    app->select("LstDeparture", 1);
    EXPECT_TRUE(everyMessageIsAnExclamation());
    EXPECT_TRUE(state().DeparturePlan.has_value());
    EXPECT_TRUE(state().running);
}

}  // namespace
}  // namespace corvane
