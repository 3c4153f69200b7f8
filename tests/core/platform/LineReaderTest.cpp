#include "platform/LineReader.h"
#include "platform/LocalFileSystem.h"
#include "support/CaseTable.h"
#include "support/TempFolder.h"

namespace corvane {
namespace {

// The lines of a file holding `bytes`, "|" between them, then whether it ended inside a line.
std::string readAll(const std::string& bytes) {
    test::TempFolder folder;
    folder.write("file.txt", bytes);
    FileStatus status = FileStatus::IoError;
    auto reader = LocalFileSystem().openLines(folder.file("file.txt"), status);
    EXPECT_EQ(status, FileStatus::Ok);
    std::string lines;
    std::string_view line;
    for (bool first = true; reader && reader->next(line); first = false) {
        lines += (first ? "" : "|") + std::string(line);
    }
    return lines + (reader && reader->endedInsideLine() ? ";cut" : ";whole");
}

const test::TextFunctions kReads = {{"read", [](const test::CaseRow& c) { return readAll(c[1]); }}};
CORVANE_TEXT_TABLE(LineReads, kReads, "platform/line-reader.tsv");

TEST(LineReads, ReadsLongLinesAndCutsHugeOnes) {
    const std::string longLine(LineReader::kBufferBytes * 3 + 17, 'x');
    EXPECT_EQ(readAll("first\n" + longLine + "\nlast\n" + longLine),
              "first|" + longLine + "|last|" + longLine + ";cut");
    const std::string huge(LineReader::kMaxLineBytes + 1000, 'y');
    EXPECT_EQ(readAll(huge + "\r\nnext\r\n"),
              huge.substr(0, LineReader::kMaxLineBytes) + "|next;whole");
}

}  // namespace
}  // namespace corvane
