#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainWindowModel.h"
#include "clearance/RunwayReader.h"
#include "platform/LineSource.h"

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

struct ReadCase {
    const char* name;
    V lines;
    V runways;
    const char* airportName;
    const char* airac;
    std::size_t linesRead;
};

class ReadRunways : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadRunways, FillsBothRunwayListsAndTheAirportLabels) {
    MainWindowModel window;
    window.LblNomeApt.text = "LOCATION";
    window.LblAirac.text = "OLD AIRAC";
    MemoryLines lines(GetParam().lines);
    EXPECT_TRUE(RunwayReader::read(lines, "EDDF", window));
    EXPECT_EQ(window.CmbTORwy.items, GetParam().runways);
    EXPECT_EQ(window.cmbLandRwy.items, GetParam().runways);
    EXPECT_EQ(window.LblNomeApt.text, GetParam().airportName);
    EXPECT_EQ(window.LblAirac.text, GetParam().airac);
    EXPECT_EQ(lines.read(), GetParam().linesRead);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadRunways,
    ::testing::Values(
        ReadCase{"StopsAfterEndOfRunways",
                 V{"RNWS", "RNW 07L 070", "RNW 25R 250", "ENDRNWS", "RNW 99X", "  EDDF LATER"},
                 V{"07L", "25R"}, "LOCATION", "OLD AIRAC", 4},
        ReadCase{"NameAndAirac",
                 V{"  EDDF  FRANKFURT MAIN  ", "  AIRAC 2401 CYCLE", "RNW 25L", "ENDRNWS"},
                 V{"25L"}, "FRANKFURT MAIN", "AIRAC 2401 CYCLE", 4},
        ReadCase{"LastNameLineWins", V{"  EDDF FIRST", "  EDDF SECOND", "ENDRNWS"}, V{}, "SECOND",
                 "OLD AIRAC", 3},
        ReadCase{"OneDigitRunways", V{"RNW 9 090 3000", "RNW 9", "RNW"}, V{"9 0", "9", ""},
                 "LOCATION", "OLD AIRAC", 3},
        ReadCase{"WithoutEndOfRunwaysReadsToTheEnd", V{"RNW 08R", "SIDS", "RNW 26L"},
                 V{"08R", "26L"}, "LOCATION", "OLD AIRAC", 3},
        ReadCase{"EmptyFile", V{}, V{}, "LOCATION", "OLD AIRAC", 0},
        ReadCase{"OtherAirportName", V{"  LIRF ROMA", "  EDD", "ENDRNWS"}, V{}, "LOCATION",
                 "OLD AIRAC", 3},
        ReadCase{"EndLineIsClassifiedFirst", V{"ENDRNWS EDDF"}, V{}, "LOCATION", "OLD AIRAC", 1}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(RunwayReader, AReadFailureKeepsWhatWasRead) {
    MainWindowModel window;
    MemoryLines lines(V{"RNW 25L", "RNW 07R", "ENDRNWS"}, 1);
    EXPECT_FALSE(RunwayReader::read(lines, "EDDF", window));
    EXPECT_EQ(window.CmbTORwy.items, V{"25L"});
}

}  // namespace
}  // namespace corvane
