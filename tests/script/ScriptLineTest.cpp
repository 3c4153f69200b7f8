#include <gtest/gtest.h>

#include "ScriptLine.h"

namespace corvane {
namespace {

TEST(ScriptLine, SkipsEmptyLinesAndComments) {
    EXPECT_FALSE(ScriptLine::parse(""));
    EXPECT_FALSE(ScriptLine::parse("\r"));
    EXPECT_FALSE(ScriptLine::parse("# a comment"));
}

TEST(ScriptLine, SplitsWordsOnSingleSpaces) {
    const auto line = ScriptLine::parse("select LstDeparture 0\r");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->command, "select");
    EXPECT_EQ(line->arguments, (std::vector<std::string>{"LstDeparture", "0"}));
}

TEST(ScriptLine, KeepsTheTextArgumentVerbatim) {
    const auto typed = ScriptLine::parse("type TxtOperatorName jane  doe ");
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->arguments, (std::vector<std::string>{"TxtOperatorName", "jane  doe "}));
    const auto picked = ScriptLine::parse("pick CmbSid ABC1A ");
    EXPECT_EQ(picked->arguments, (std::vector<std::string>{"CmbSid", "ABC1A "}));
    const auto folder = ScriptLine::parse("folder /my radar/data");
    EXPECT_EQ(folder->arguments, (std::vector<std::string>{"/my radar/data"}));
}

TEST(ScriptLine, AnEmptyTextIsKept) {
    const auto typed = ScriptLine::parse("paste TxtInClimb ");
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->arguments, (std::vector<std::string>{"TxtInClimb", ""}));
}

}  // namespace
}  // namespace corvane
