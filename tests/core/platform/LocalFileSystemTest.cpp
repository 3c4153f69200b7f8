#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "platform/FilePublisher.h"
#include "platform/LineReader.h"
#include "platform/LocalFileSystem.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramFolderLocator.h"
#include "support/CaseTable.h"
#include "support/MemoryFileSystem.h"
#include "support/PosixOnly.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

FileStatus openStatus(const std::string& path) {
    FileStatus status = FileStatus::Ok;
    LocalFileSystem().openLines(path, status);
    return status;
}

std::set<std::string> names(const std::string& folder) {
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) {
        left.insert(entry.path().filename().string());
    }
    return left;
}

TEST(LocalFileSystem, TellsWhyAFileCannotBeOpened) {
    test::TempFolder folder;
    EXPECT_EQ(openStatus(folder.file("recent.dat")), FileStatus::FileNotFound);
    EXPECT_EQ(openStatus(folder.file("nowhere/recent.dat")), FileStatus::PathNotFound);
    EXPECT_EQ(openStatus(folder.path()), FileStatus::IsDirectory);
    EXPECT_EQ(openStatus(""), FileStatus::PathNotFound);
    CORVANE_SKIP_UNLESS_POSIX("/dev/zero nor symbolic links without privileges");
    const std::string underRoot =
        "/corvane-no-such-file-" + fs::path(folder.path()).filename().string();
    EXPECT_EQ(openStatus(underRoot), FileStatus::FileNotFound);
    EXPECT_EQ(openStatus("/dev/zero"), FileStatus::NotRegularFile);  // could be read forever
    fs::create_symlink(folder.file("b"), folder.file("a"));
    fs::create_symlink(folder.file("a"), folder.file("b"));
    EXPECT_EQ(openStatus(folder.file("a")), FileStatus::LinkLoop);
}

TEST(LocalFileSystem, NeverWritesOrReadsOwnFilesThroughWhatStandsInTheirPlace) {
    CORVANE_SKIP_UNLESS_POSIX("symbolic links without privileges, nor named pipes");
    for (const std::string standing : {"LinkToAFile", "DanglingLink", "Pipe"}) {
        SCOPED_TRACE(standing);
        test::TempFolder folder;
        folder.write("elsewhere.txt", "kept\r\n");
        const std::string own = folder.file("departure.txt");
        if (standing == "Pipe") {
            ASSERT_TRUE(test::makePipe(own));
        } else {
            fs::create_symlink(
                folder.file(standing == "LinkToAFile" ? "elsewhere.txt" : "absent.txt"), own);
        }
        const FileStatus refused =
            standing == "Pipe" ? FileStatus::NotRegularFile : FileStatus::SymbolicLink;
        LocalFileSystem files;
        FileStatus status = FileStatus::Ok;
        EXPECT_EQ(files.openOwnLines(own, status), nullptr);
        EXPECT_EQ(status, refused);
        EXPECT_EQ(files.appendLine(own, "ABC12  /CLEARANCE/"), refused);
        EXPECT_EQ(files.replaceFile(own, {"/radar"}), refused);
        EXPECT_EQ(folder.read("elsewhere.txt"), "kept\r\n");
        EXPECT_FALSE(folder.exists("absent.txt"));
        EXPECT_NE(fs::symlink_status(own).type(), fs::file_type::regular);
    }
}

// Writes half of what it is given each time, then fails with `failingError`.
int failingError = 0;
ssize_t halfThenFail(int fd, const void* data, std::size_t size) {
    if (size > 1) {
        return ::write(fd, data, static_cast<unsigned>(size / 2));
    }
    errno = failingError;
    return -1;
}

TEST(LocalFileSystem, CutsHalfWritesBackSoTheFileHoldsOnlyWholeLines) {
    const std::pair<int, FileStatus> failures[] = {
        {ENOSPC, FileStatus::DiskFull}, {EDQUOT, FileStatus::DiskFull}, {EIO, FileStatus::IoError}};
    for (const auto& [error, expected] : failures) {
        SCOPED_TRACE(error);
        test::TempFolder folder;
        folder.write("departure.txt", "ABC12  /FIRST/\r\n");
        failingError = error;
        LocalFileSystem files(halfThenFail);
        EXPECT_EQ(files.appendLine(folder.file("departure.txt"), "XYZ345 /SECOND/"), expected);
        EXPECT_EQ(folder.read("departure.txt"), "ABC12  /FIRST/\r\n");
        EXPECT_EQ(LocalFileSystem().appendLine(folder.file("departure.txt"), "XYZ345 /THIRD/"),
                  FileStatus::Ok);
        EXPECT_EQ(folder.read("departure.txt"), "ABC12  /FIRST/\r\nXYZ345 /THIRD/\r\n");
    }
}

TEST(LocalFileSystem, AFailedReplacementLeavesTheFileAsItWas) {
    test::TempFolder folder;
    folder.write("DATA/dirRecent.txt", "/old/recent.dat\r\n");
    failingError = ENOSPC;
    EXPECT_EQ(LocalFileSystem(halfThenFail)
                  .replaceFile(folder.file("DATA/dirRecent.txt"), {"/new/recent.dat"}),
              FileStatus::DiskFull);
    EXPECT_EQ(folder.read("DATA/dirRecent.txt"), "/old/recent.dat\r\n");
    EXPECT_EQ(names(folder.file("DATA")), std::set<std::string>{"dirRecent.txt"});
}

#ifndef _WIN32
// A failed publish takes away only its temporary file, never the snapshot readers have open.
TEST(FilePublisher, AFailedWriteRemovesOnlyItsTemporaryFile) {
    test::TempFolder folder;
    folder.write("recent.dat", "OLD\r\n");
    const auto failing = [](std::ostream& out) { out.setstate(std::ios::badbit); };
    std::string error;
    EXPECT_FALSE(FilePublisher::publish(folder.file("recent.dat"), false, failing, error));
    EXPECT_EQ(error, "write failed: " + folder.file("recent.dat") + ".tmp");
    EXPECT_EQ(folder.read("recent.dat"), "OLD\r\n");
    EXPECT_FALSE(std::filesystem::exists(nativePath(folder.file("recent.dat.tmp"))));
    EXPECT_FALSE(FilePublisher::publish(folder.file("recent.dat"), true, failing, error));
    EXPECT_TRUE(std::filesystem::exists(nativePath(folder.file("recent.dat"))));
}

TEST(LocalFileSystem, AnAppendedFileIsCreatedReadableByAllWritableByItsOwner) {
    test::TempFolder folder;
    const mode_t before = ::umask(022);
    const FileStatus status = LocalFileSystem().appendLine(folder.file("log.txt"), "one");
    ::umask(before);
    ASSERT_EQ(status, FileStatus::Ok);
    EXPECT_EQ(fs::status(folder.file("log.txt")).permissions(), fs::perms(0644));
}
#endif

TEST(LocalFileSystem, RemovesOnlyTheTemporariesOfInterruptedReplacements) {
    test::TempFolder folder;
    for (const char* name : {"dirRecent.txt", "dirRecent.txt.partial-a1B2c3",
                             "dirRecent.txt.partial-zzzzzz", "dirRecent.txt.backup",
                             "dirRecent.txt.partial-toolong", "dirSidStar.txt.partial-a1B2c3"}) {
        folder.write(std::string("DATA/") + name, "x");
    }
    LocalFileSystem().removeStaleTemporaries(folder.file("DATA/dirRecent.txt"));
    EXPECT_EQ(
        names(folder.file("DATA")),
        (std::set<std::string>{"dirRecent.txt", "dirRecent.txt.backup",
                               "dirRecent.txt.partial-toolong", "dirSidStar.txt.partial-a1B2c3"}));
}

std::optional<FileVersion> versionOf(const std::string& path) {
    FileStatus status = FileStatus::Ok;
    const auto lines = LocalFileSystem().openLines(path, status);
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
    ASSERT_EQ(LocalFileSystem().replaceFile(path, {"DLH1:111111", "BAW2:222222"}), FileStatus::Ok);
    EXPECT_NE(versionOf(path), rewritten) << "a replacement by rename is another file";
}

TEST(LocalFileSystem, WritesCrLfLinesAndFindsNamesIgnoringCase) {
    test::TempFolder folder;
    LocalFileSystem files;
    folder.write("DATA/dirRecent.txt", "old contents that are longer\r\n");
    ASSERT_EQ(files.replaceFile(folder.file("DATA/dirRecent.txt"), {"/radar/data/recent.dat"}),
              FileStatus::Ok);
    EXPECT_EQ(folder.read("DATA/dirRecent.txt"), "/radar/data/recent.dat\r\n");
    EXPECT_EQ(names(folder.file("DATA")), std::set<std::string>{"dirRecent.txt"});
    EXPECT_EQ(files.replaceFile(folder.file("NONE/x.txt"), {"v"}), FileStatus::PathNotFound);
    ASSERT_EQ(files.appendLine(folder.file("log.txt"), "one"), FileStatus::Ok);
    ASSERT_EQ(files.appendLine(folder.file("log.txt"), "two"), FileStatus::Ok);
    EXPECT_EQ(folder.read("log.txt"), "one\r\ntwo\r\n");
    errno = EIO;  // an earlier failure's error must not make a removal look failed
    EXPECT_EQ(files.remove(folder.file("log.txt")), FileStatus::Ok);
    EXPECT_FALSE(folder.exists("log.txt"));
    EXPECT_EQ(files.remove(folder.file("absent.txt")), FileStatus::Ok);
    folder.write("home/Data/SSR_CODE.TXT", "");
    EXPECT_EQ(files.findIgnoringCase(folder.file("home"), "DATA"), "Data");
    EXPECT_EQ(files.findIgnoringCase(folder.file("home/Data"), "ssr_code.txt"), "SSR_CODE.TXT");
    EXPECT_FALSE(files.findIgnoringCase(folder.path(), "missing"));
}

// The lines `reader` gives, "|" between them, then whether the file ended inside a line.
std::string linesOf(const std::unique_ptr<LineSource>& reader) {
    std::string lines;
    std::string_view line;
    for (bool first = true; reader && reader->next(line); first = false) {
        lines += (first ? "" : "|") + std::string(line);
    }
    return lines + (reader && reader->endedInsideLine() ? ";cut" : ";whole");
}

// The lines of a file holding `bytes`.
std::string readAll(const std::string& bytes) {
    test::TempFolder folder;
    folder.write("file.txt", bytes);
    FileStatus status = FileStatus::IoError;
    auto reader = LocalFileSystem().openLines(folder.file("file.txt"), status);
    EXPECT_EQ(status, FileStatus::Ok);
    return linesOf(reader);
}

// The same through the memory file system of the fuzz targets, which must read as the disk does.
std::string readFromMemory(const std::string& bytes) {
    test::MemoryFileSystem files;
    files.write("/home/file.txt", bytes);
    FileStatus status = FileStatus::IoError;
    auto reader = files.openLines("/home/file.txt", status);
    EXPECT_EQ(status, FileStatus::Ok);
    return linesOf(reader);
}

class LineReadTable : public ::testing::TestWithParam<test::CaseRow> {};

TEST_P(LineReadTable, ReadFromDiskAndFromMemoryAlike) {
    EXPECT_EQ(readAll(GetParam()[1]), GetParam().cells.back());
    EXPECT_EQ(readFromMemory(GetParam()[1]), GetParam().cells.back());
}

CORVANE_CASES(Table, LineReadTable, "platform/line-reader.tsv");

TEST(LineReads, ReadsLongLinesAndCutsHugeOnes) {
    const std::string longLine(LineReader::kBufferBytes * 3 + 17, 'x');
    EXPECT_EQ(readAll("first\n" + longLine + "\nlast\n" + longLine),
              "first|" + longLine + "|last|" + longLine + ";cut");
    const std::string huge(LineReader::kMaxLineBytes + 1000, 'y');
    EXPECT_EQ(readAll(huge + "\r\nnext\r\n"),
              huge.substr(0, LineReader::kMaxLineBytes) + "|next;whole");
}

TEST(ProgramFolder, FindsTheDataFolderWhateverItsCaseAndNamesDataWhenThereIsNone) {
    test::TempFolder home;
    test::TempFolder bare;
    LocalFileSystem files;
    home.write("data/Airlines.dat", "");
    const ProgramFolder folder(home.path(), files);
    EXPECT_EQ(folder.dataFolder(), home.file("data"));
    EXPECT_EQ(folder.dataFile("airlines.dat"), home.file("data/Airlines.dat"));
    EXPECT_EQ(folder.dataFile("departure.txt"), home.file("data/departure.txt"));
    EXPECT_EQ(ProgramFolder(bare.path(), files).dataFile("dirRecent.txt"),
              bare.file("DATA/dirRecent.txt"));
}

class Locator : public ::testing::TestWithParam<test::CaseRow> {};

// tests/data/platform/locator.tsv; columns: the files made (path=bytes), the sources (folders
// under the test's root; defaultsFolders "|" between), the folder found or "error: " and why
// ("{PATH}" stands for PATH under the root), the files the root then holds.
TEST_P(Locator, FindsTheProgramFolderOrSaysWhy) {
    const test::CaseRow& c = GetParam();
    test::TempFolder root;
    for (const auto& [path, bytes] : c.pairs(0)) {
        root.write(path, bytes);
    }
    ProgramFolderSources sources;
    for (const auto& [key, folder] : c.pairs(1)) {
        const std::string path = folder.empty() ? "" : root.file(folder);
        if (key == "homeOption" || key == "homeVariable") {
            (key == "homeOption" ? sources.homeOption : sources.homeVariable) = path;
        } else if (key == "defaultsFolders") {
            for (const std::string& each : test::splitAt(folder, '|')) {
                sources.defaultsFolders.push_back(root.file(each));
            }
        } else {
            (key == "executableFolder" ? sources.executableFolder : sources.userDataFolder) = path;
        }
    }
    std::string error;
    LocalFileSystem files;
    const auto found = ProgramFolderLocator::locate(sources, files, error);
    std::string expected = c[2];
#ifdef _WIN32
    // There the per-user folder comes from LOCALAPPDATA, not HOME.
    if (const auto at = expected.find("(HOME "); at != std::string::npos) {
        expected.replace(at + 1, 4, "LOCALAPPDATA");
    }
#endif
    for (std::size_t at; (at = expected.find('{')) != std::string::npos;) {
        const std::size_t end = expected.find('}', at);
        expected.replace(at, end + 1 - at, root.file(expected.substr(at + 1, end - at - 1)));
    }
    EXPECT_EQ(found ? *found : "error: " + error, expected);
    for (const auto& [path, bytes] : c.pairs(3)) {
        EXPECT_EQ(root.read(path), bytes) << path;
    }
}

CORVANE_CASES(Table, Locator, "platform/locator.tsv");

TEST(LocatorSources, DefaultsAreLookedForBesideTheExecutableFirst) {
    const auto sources = ProgramFolderLocator::fromEnvironment(std::nullopt, "corvane");
    ASSERT_EQ(sources.defaultsFolders.size(), 2u);
    EXPECT_EQ(sources.defaultsFolders[0],
              (std::filesystem::path(sources.executableFolder).parent_path() / "share/corvane")
                  .lexically_normal()
                  .string());
}

}  // namespace
}  // namespace corvane
