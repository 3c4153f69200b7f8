#include "CaseFile.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "support/CaseTable.h"

namespace corvane::test {
namespace {

TEST(ScriptCaseFile, ReadsEachPartAndBlessesOneCaseInPlace) {
    const std::string head =
        "# about the group\n"
        "=== home\n"
        "--- DATA/a.txt\n"
        "|one\\r\\n\n"
        "|two \\x5C\\x00\\xfc\n"
        "\n"
        "=== First\n"
        "start\n"
        "dump\n"
        "--- expected\n";
    const std::string tail =
        "--- empty.dat\n"
        "\n"
        "=== Second\r\n"
        "dump\r\n";
    const std::string text = head + "{\"a\":1}\n" + tail;
    const auto sections = readCaseFile(text, "t");
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].files.at("DATA/a.txt"), std::string("one\r\ntwo \\\0\xfc", 12));
    ASSERT_EQ(sections[1].script.size(), 2u);
    EXPECT_EQ(sections[1].script[1].text, "dump");
    EXPECT_EQ(sections[1].script[1].number, 9u);
    ASSERT_EQ(sections[1].expected.size(), 1u);
    EXPECT_EQ(sections[1].expected[0].number, 11u);
    EXPECT_EQ(sections[1].files.at("empty.dat"), "");
    ASSERT_EQ(sections[2].script.size(), 1u);
    EXPECT_EQ(sections[2].script[0].text, "dump");

    EXPECT_EQ(withExpectedDumps(text, "t", "First", {"{\"a\":2}", "{}"}),
              head + "{\"a\":2}\n{}\n" + "--- empty.dat\n\n=== Second\ndump\n");
    EXPECT_EQ(withExpectedDumps(text, "t", "Second", {"{}"}),
              head + "{\"a\":1}\n" + "--- empty.dat\n\n=== Second\ndump\n--- expected\n{}\n");
}

// tests/data/script/malformed-case-files.tsv; columns: the file's text, the error it gives.
class MalformedCaseFileTest : public ::testing::TestWithParam<CaseRow> {};

TEST_P(MalformedCaseFileTest, FailsAtTheLineAtFault) {
    try {
        readCaseFile(GetParam()[0], "t");
        ADD_FAILURE() << "read without an error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), GetParam()[1]);
    }
}

CORVANE_CASES(ScriptCaseFiles, MalformedCaseFileTest, "script/malformed-case-files.tsv");

}  // namespace
}  // namespace corvane::test
