#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/LineReader.h"
#include "platform/LocalFileSystem.h"
#include "support/CaseName.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

std::vector<std::string> readAll(const std::string& bytes) {
    test::TempFolder folder;
    folder.write("file.txt", bytes);
    LocalFileSystem files;
    FileStatus status = FileStatus::IoError;
    auto reader = files.openLines(folder.file("file.txt"), status);
    EXPECT_EQ(status, FileStatus::Ok);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader && reader->next(line)) {
        lines.emplace_back(line);
    }
    return lines;
}

TEST(LineReader, AcceptsCrLfAndLfLineEnds) {
    EXPECT_EQ(readAll("A\r\nB\nC\r\n"), (std::vector<std::string>{"A", "B", "C"}));
}

TEST(LineReader, KeepsEmptyLinesAndALastLineWithoutEnd) {
    EXPECT_EQ(readAll("A\r\n\r\nB"), (std::vector<std::string>{"A", "", "B"}));
    EXPECT_EQ(readAll(""), std::vector<std::string>{});
}

TEST(LineReader, DecodesEachLineOnItsOwn) {
    EXPECT_EQ(readAll("Jos\xE9\r\nJos\xC3\xA9\r\n"),
              (std::vector<std::string>{"Jos\xC3\xA9", "Jos\xC3\xA9"}));
}

TEST(LineReader, KeepsNulBytes) {
    const auto lines = readAll(std::string("A\0B\nC", 5));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string("A\0B", 3));
}

TEST(LineReader, ReadsLinesLongerThanItsBuffer) {
    const std::string longLine(LineReader::kBufferBytes * 3 + 17, 'x');
    const auto lines = readAll("first\n" + longLine + "\nlast");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].size(), longLine.size());
    EXPECT_EQ(lines[2], "last");
}

TEST(LineReader, CutsAHugeLineAndReadsOn) {
    const std::string huge(LineReader::kMaxLineBytes + 1000, 'y');
    const auto lines = readAll(huge + "\r\nnext\r\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), LineReader::kMaxLineBytes);
    EXPECT_EQ(lines[1], "next");
}

struct LineEndCase {
    std::string name;
    std::string bytes;
    bool endedInsideLine;
};

class LineReaderEnd : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineReaderEnd, TellsWhetherTheFileEndedInsideALine) {
    test::TempFolder folder;
    folder.write("file.txt", GetParam().bytes);
    LocalFileSystem files;
    FileStatus status = FileStatus::IoError;
    auto reader = files.openLines(folder.file("file.txt"), status);
    ASSERT_TRUE(reader);
    std::string_view line;
    while (reader->next(line)) {
    }
    EXPECT_EQ(reader->endedInsideLine(), GetParam().endedInsideLine);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineReaderEnd,
    ::testing::Values(LineEndCase{"Empty", "", false}, LineEndCase{"CrLf", "A\r\nB\r\n", false},
                      LineEndCase{"Lf", "A\nB\n", false},
                      LineEndCase{"CutInsideTheLastLine", "A\r\nB:C", true},
                      LineEndCase{"CutBetweenCrAndLf", "A\r\nB\r", true},
                      LineEndCase{"CutInsideALongLine",
                                  "A\n" + std::string(LineReader::kBufferBytes + 5, 'x'), true}),
    test::caseName<LineEndCase>);

}  // namespace
}  // namespace corvane
