#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "ScriptRunner.h"
#include "platform/LocalFileSystem.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolder.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

// A program folder whose name is not ASCII, its settings written with the system's own
// separators (on Windows C:\Users\...\Übung Zürich\DATA\...): every file the session opens
// must be reached by its whole name, never through a narrow code page.
TEST(NonAsciiProgramFolder, ConnectsAndGivesAClearance) {
    test::TempFolder place;
    const std::string root = joinPath(place.path(), "Übung Zürich");
    std::filesystem::copy(nativePath(std::string(CORVANE_TEST_DATA) + "/script/clearance/home"),
                          nativePath(root), std::filesystem::copy_options::recursive);
    LocalFileSystem files;
    const ProgramFolder folder(root, files);
    ASSERT_EQ(files.replaceFile(folder.dataFile(ProgramFolder::kSnapshotSettings),
                                {joinPath(joinPath(root, "radar"), "recent.dat")}),
              FileStatus::Ok);
    ASSERT_EQ(files.replaceFile(folder.dataFile(ProgramFolder::kProcedureSettings),
                                {joinPath(root, "SIDSTARS")}),
              FileStatus::Ok);

    std::istringstream script(
        "clock 14:45\nstart\ntype TxtOperatorName JANE DOE\nclick CmdExecute\n"
        "click Command3(1)\npick LstDeparture ABC12\npick CmbTORwy 25L\nselect CmbSid 1\n"
        "type TxtInClimb 120\nclick cmdSidGen\ndump\n");
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(ScriptRunner(root, out, err).run(script), 0) << err.str();
    const auto dump = nlohmann::json::parse(out.str());
    EXPECT_EQ(dump["messages"], nlohmann::json::array());
    EXPECT_EQ(dump["text"]["LblIfrSid"],
              "SOME AIR 12 CLEAR TO DEST LIRF AS FLIGHT PLANNED ROUTE VIA ABC1A STANDARD "
              "DEPARTURE CLIMB AND MANTAIN FL 120 INITIALLY SQUAWK 2302");
    FileStatus status{};
    const auto log = files.openOwnLines(folder.dataFile(ProgramFolder::kDepartureLog), status);
    ASSERT_NE(log, nullptr) << describeFileStatus(status);
    std::string_view record;
    ASSERT_TRUE(log->next(record));
    EXPECT_TRUE(record.starts_with("ABC12")) << record;
}

}  // namespace
}  // namespace corvane
