#include <gtest/gtest.h>

#include "common/TextColumns.h"

namespace corvane {
namespace {

TEST(TextColumns, MidCountsFromOneAndCutsAtTheEnd) {
    EXPECT_EQ(TextColumns::mid("RNW 25L", 5, 3), "25L");
    EXPECT_EQ(TextColumns::mid("RNW 9", 5, 3), "9");
    EXPECT_EQ(TextColumns::mid("RNW", 5, 3), "");
    EXPECT_EQ(TextColumns::columns("EDDF:2301:2377:5000", 16, 20), "5000");
}

TEST(TextColumns, CountsCharactersNotBytes) {
    const std::string name = "JOS\xC3\x89 DOE:5";  // "JOSÉ DOE:5"
    EXPECT_EQ(TextColumns::length(name), 10u);
    EXPECT_EQ(TextColumns::mid(name, 4, 1), "\xC3\x89");
    EXPECT_EQ(TextColumns::mid(name, 10, 1), "5");
    EXPECT_EQ(TextColumns::left(name, 4), "JOS\xC3\x89");
    EXPECT_EQ(TextColumns::right(name, 7), "\xC3\x89 DOE:5");
}

TEST(TextColumns, RightOfShortTextIsTheWholeText) {
    EXPECT_EQ(TextColumns::right("AB", 5), "AB");
    EXPECT_EQ(TextColumns::right("ABCDEFG", 4), "DEFG");
}

TEST(TextHelpers, TrimAndUpperCase) {
    EXPECT_EQ(trimSpaces("  ABC1A  "), "ABC1A");
    EXPECT_EQ(trimSpaces("    "), "");
    EXPECT_EQ(trimTrailingSpaces("SID ABC   "), "SID ABC");
    EXPECT_EQ(upperCase("jane doe"), "JANE DOE");
    EXPECT_EQ(upperCase("jos\xC3\xA9 \xC3\xB7"), "JOS\xC3\x89 \xC3\xB7");
    // œuvre šiška žabÿ: the Windows-1252 letters outside Latin-1 rise as well.
    EXPECT_EQ(upperCase("\xC5\x93uvre \xC5\xA1i\xC5\xA1ka \xC5\xBE"
                        "ab\xC3\xBF \xC3\xA0"),
              "\xC5\x92UVRE \xC5\xA0I\xC5\xA0KA \xC5\xBD"
              "AB\xC5\xB8 \xC3\x80");
}

TEST(TextHelpers, ControlCharactersBecomeQuestionMarks) {
    EXPECT_EQ(replaceControlCharacters("AB\x1B[2J\x07\t\r\n\x7F"
                                       "1"),
              "AB?[2J?????1");
    EXPECT_EQ(replaceControlCharacters("\xC2\x9B"
                                       "31m \xC2\x80\xC2\x9F"),
              "?31m ??");
    EXPECT_EQ(replaceControlCharacters("M\xC3\xBCller \xC2\xA0\xE2\x80\x9B"),
              "M\xC3\xBCller \xC2\xA0\xE2\x80\x9B");
}

}  // namespace
}  // namespace corvane
