#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/LocalFileSystem.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

FileStatus openStatus(const std::string& path) {
    LocalFileSystem files;
    FileStatus status = FileStatus::Ok;
    files.openLines(path, status);
    return status;
}

TEST(LocalFileSystem, TellsAMissingFileFromAMissingFolder) {
    test::TempFolder folder;
    EXPECT_EQ(openStatus(folder.file("recent.dat")), FileStatus::FileNotFound);
    EXPECT_EQ(openStatus(folder.file("nowhere/recent.dat")), FileStatus::PathNotFound);
    EXPECT_EQ(openStatus(folder.path()), FileStatus::IsDirectory);
    EXPECT_EQ(openStatus(""), FileStatus::PathNotFound);
}

TEST(LocalFileSystem, RefusesDevicesThatCouldBeReadForever) {
    EXPECT_EQ(openStatus("/dev/zero"), FileStatus::IoError);
}

std::optional<FileVersion> versionOf(const std::string& path) {
    LocalFileSystem files;
    FileStatus status = FileStatus::Ok;
    const auto lines = files.openLines(path, status);
    return lines ? lines->version() : std::nullopt;
}

TEST(LocalFileSystem, TellsTheVersionsOfARewrittenFileApart) {
    test::TempFolder folder;
    const std::string path = folder.file("recent.dat");
    folder.write("recent.dat", "DLH1:111111\r\n");
    const auto first = versionOf(path);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(versionOf(path), first) << "an unchanged file keeps its version";

    folder.write("recent.dat", "DLH1:111111\r\nBAW2:222222\r\n");  // rewritten in place
    const auto rewritten = versionOf(path);
    EXPECT_NE(rewritten, first);

    LocalFileSystem files;
    ASSERT_EQ(files.replaceFile(path, {"DLH1:111111", "BAW2:222222"}), FileStatus::Ok);
    EXPECT_NE(versionOf(path), rewritten) << "a replacement by rename is another file";
}

TEST(LocalFileSystem, ReplaceWritesCrLfLinesAndLeavesNoTemporaryFile) {
    test::TempFolder folder;
    LocalFileSystem files;
    folder.write("DATA/dirRecent.txt", "old contents that are longer\r\n");
    ASSERT_EQ(files.replaceFile(folder.file("DATA/dirRecent.txt"), {"/radar/data/recent.dat"}),
              FileStatus::Ok);
    EXPECT_EQ(folder.read("DATA/dirRecent.txt"), "/radar/data/recent.dat\r\n");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(folder.file("DATA"))) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(LocalFileSystem, ReplaceInAMissingFolderFails) {
    test::TempFolder folder;
    LocalFileSystem files;
    EXPECT_EQ(files.replaceFile(folder.file("DATA/x.txt"), {"v"}), FileStatus::PathNotFound);
}

TEST(LocalFileSystem, AppendCreatesThenAppends) {
    test::TempFolder folder;
    LocalFileSystem files;
    ASSERT_EQ(files.appendLine(folder.file("log.txt"), "one"), FileStatus::Ok);
    ASSERT_EQ(files.appendLine(folder.file("log.txt"), "two"), FileStatus::Ok);
    EXPECT_EQ(folder.read("log.txt"), "one\r\ntwo\r\n");
}

TEST(LocalFileSystem, RemovingAMissingFileIsNotAnError) {
    test::TempFolder folder;
    LocalFileSystem files;
    EXPECT_EQ(files.remove(folder.file("absent.txt")), FileStatus::Ok);
}

TEST(LocalFileSystem, FindsNamesIgnoringCasePreferringTheExactOne) {
    test::TempFolder folder;
    LocalFileSystem files;
    folder.write("Data/SSR_CODE.TXT", "");
    EXPECT_EQ(files.findIgnoringCase(folder.path(), "DATA"), "Data");
    EXPECT_EQ(files.findIgnoringCase(folder.file("Data"), "ssr_code.txt"), "SSR_CODE.TXT");
    EXPECT_FALSE(files.findIgnoringCase(folder.path(), "missing"));
}

}  // namespace
}  // namespace corvane
