#include <gtest/gtest.h>

#include "common/TextCodec.h"

namespace corvane {
namespace {

TEST(TextCodec, KeepsValidUtf8) {
    EXPECT_EQ(TextCodec::decodeLine("Jos\xC3\xA9 M\xC3\xBCller"), "Jos\xC3\xA9 M\xC3\xBCller");
}

TEST(TextCodec, DecodesWindows1252WhenNotUtf8) {
    // "José" in Windows-1252, the euro sign and an en dash.
    EXPECT_EQ(TextCodec::decodeLine("Jos\xE9"), "Jos\xC3\xA9");
    EXPECT_EQ(TextCodec::decodeLine("\x80 \x96"), "\xE2\x82\xAC \xE2\x80\x93");
}

TEST(TextCodec, RejectsMalformedUtf8) {
    EXPECT_FALSE(TextCodec::isValidUtf8("\xC3"));              // cut short
    EXPECT_FALSE(TextCodec::isValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(TextCodec::isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(TextCodec::isValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_TRUE(TextCodec::isValidUtf8("\xF0\x9F\x9B\xAB"));
}

TEST(TextCodec, MixedLineFallsBackToWindows1252Whole) {
    // A valid UTF-8 "é" next to a lone Windows-1252 byte: the line is read as Windows-1252.
    EXPECT_EQ(TextCodec::decodeLine("\xC3\xA9\xE9"), "\xC3\x83\xC2\xA9\xC3\xA9");
}

}  // namespace
}  // namespace corvane
