// The text helpers' tables under tests/data/common: numbers and texts.
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "common/NumberText.h"
#include "common/TextCodec.h"
#include "common/TextColumns.h"
#include "support/CaseTable.h"

namespace corvane {
namespace {

using test::CaseRow;
namespace TC = TextColumns;

std::size_t at(const CaseRow& c, std::size_t i) {
    return std::stoul(c[i]);
}

const test::TextFunctions kText = {
    {"leading", [](const CaseRow& c) { return test::decimal(NumberText::leading(c[1])); }},
    {"strict",
     [](const CaseRow& c) {
         const auto value = NumberText::strict(c[1]);
         return value ? test::decimal(*value) : "(none)";
     }},
    {"format", [](const CaseRow& c) { return NumberText::format(std::stod(c[1])); }},
    {"twoDigits", [](const CaseRow& c) { return NumberText::twoDigits(std::stoll(c[1])); }},
    {"decode", [](const CaseRow& c) { return TextCodec::decodeLine(c[1]); }},
    {"codePoint",  // a hexadecimal code point
     [](const CaseRow& c) {
         std::string out;
         TextCodec::appendCodePoint(static_cast<char32_t>(std::stoul(c[1], nullptr, 16)), out);
         return out;
     }},
    {"codePoints",  // the hexadecimal code points of typed text
     [](const CaseRow& c) {
         std::ostringstream codes;
         for (std::size_t pos = 0; pos < c[1].size();) {
             codes << (pos == 0 ? "" : " ") << std::uppercase << std::hex
                   << static_cast<std::uint32_t>(TextCodec::nextCodePoint(c[1], pos));
         }
         return codes.str();
     }},
    {"validUtf8", [](const CaseRow& c) { return TextCodec::isValidUtf8(c[1]) ? "yes" : "no"; }},
    {"validUtf8Head",  // the first bytes of a text only, as a line is checked inside a buffer
     [](const CaseRow& c) {
         return TextCodec::isValidUtf8(std::string_view(c[1]).substr(0, at(c, 2))) ? "yes" : "no";
     }},
    {"mid", [](const CaseRow& c) { return std::string(TC::mid(c[1], at(c, 2), at(c, 3))); }},
    {"columns",
     [](const CaseRow& c) { return std::string(TC::columns(c[1], at(c, 2), at(c, 3))); }},
    {"left", [](const CaseRow& c) { return std::string(TC::left(c[1], at(c, 2))); }},
    {"right", [](const CaseRow& c) { return std::string(TC::right(c[1], at(c, 2))); }},
    {"length", [](const CaseRow& c) { return std::to_string(TC::length(c[1])); }},
    {"trim", [](const CaseRow& c) { return std::string(trimSpaces(c[1])); }},
    {"trimTrailing", [](const CaseRow& c) { return std::string(trimTrailingSpaces(c[1])); }},
    {"upperCase", [](const CaseRow& c) { return upperCase(c[1]); }},
    {"controls", [](const CaseRow& c) { return replaceControlCharacters(c[1]); }},
};

CORVANE_TEXT_TABLE(Numbers, kText, "common/numbers.tsv");
CORVANE_TEXT_TABLE(Texts, kText, "common/text.tsv");

}  // namespace
}  // namespace corvane
