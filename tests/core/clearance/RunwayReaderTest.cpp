#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainWindowModel.h"
#include "clearance/RunwayReader.h"
#include "platform/LineSource.h"
#include "support/CaseTable.h"

namespace corvane {
namespace {

/// Lines from memory; can fail after a given number of lines.
class MemoryLines final : public LineSource {
public:
    explicit MemoryLines(std::vector<std::string> lines, std::size_t failAfter = SIZE_MAX)
        : lines_(std::move(lines)), failAfter_(failAfter) {}
    bool next(std::string_view& line) override {
        if (next_ >= failAfter_) {
            failed_ = true;
            return false;
        }
        if (next_ >= lines_.size()) {
            return false;
        }
        line = lines_[next_++];
        return true;
    }
    bool failed() const override { return failed_; }
    std::size_t read() const { return next_; }

private:
    std::vector<std::string> lines_;
    std::size_t failAfter_;
    std::size_t next_ = 0;
    bool failed_ = false;
};

using V = std::vector<std::string>;

/// A "|"-separated list of a table cell; an empty cell is an empty list.
V listOf(const std::string& cell) {
    return cell.empty() ? V{} : test::splitAt(cell, '|');
}

class ReadRunways : public ::testing::TestWithParam<test::CaseRow> {};

TEST_P(ReadRunways, FillsBothRunwayListsAndTheAirportLabels) {
    const test::CaseRow& c = GetParam();
    MainWindowModel window;
    window.LblNomeApt.text = "LOCATION";
    window.LblAirac.text = "OLD AIRAC";
    MemoryLines lines(listOf(c[0]));
    EXPECT_TRUE(RunwayReader::read(lines, "EDDF", window));
    EXPECT_EQ(window.CmbTORwy.items, listOf(c[1]));
    EXPECT_EQ(window.cmbLandRwy.items, listOf(c[1]));
    EXPECT_EQ(window.LblNomeApt.text, c[2]);
    EXPECT_EQ(window.LblAirac.text, c[3]);
    EXPECT_EQ(lines.read(), static_cast<std::size_t>(c.number(4)));
}

CORVANE_CASES(Files, ReadRunways, "clearance/runway-reader.tsv");

TEST(RunwayReader, AReadFailureKeepsWhatWasRead) {
    MainWindowModel window;
    MemoryLines lines(V{"RNW 25L", "RNW 07R", "ENDRNWS"}, 1);
    EXPECT_FALSE(RunwayReader::read(lines, "EDDF", window));
    EXPECT_EQ(window.CmbTORwy.items, V{"25L"});
}

}  // namespace
}  // namespace corvane
