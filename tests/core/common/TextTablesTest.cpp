// Tables of fixed texts and their readings, under tests/data: numbers and texts, the rules of
// thumb, and the flight plan sheet's layout.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/NumberText.h"
#include "common/TextCodec.h"
#include "common/TextColumns.h"
#include "flightplan/FlightPlanSheetLayout.h"
#include "reference/RulesOfThumb.h"
#include "support/CaseTable.h"

namespace corvane {
namespace {

using test::CaseRow;
using TC = TextColumns;

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
    {"validUtf8", [](const CaseRow& c) { return TextCodec::isValidUtf8(c[1]) ? "yes" : "no"; }},
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

class RulesOfThumbTable : public ::testing::TestWithParam<CaseRow> {};

TEST_P(RulesOfThumbTable, TitleTextNumberAndShownText) {
    const CaseRow& c = GetParam();
    const int position = c.number(0);
    const auto number = RulesOfThumb::textNumberFor(position);
    EXPECT_EQ(number ? std::to_string(*number) : "-", c[1]);
    if (position >= 0 && position < 35) {
        EXPECT_EQ(RulesOfThumb::titles().at(static_cast<std::size_t>(position)), c[2]);
    }
    const auto shown = RulesOfThumb::shownFor(position);
    EXPECT_EQ(shown ? std::string(*shown) : "(none)", c[3]);
}

CORVANE_CASES(Table, RulesOfThumbTable, "reference/rules-of-thumb.tsv");

TEST(RulesOfThumbTest, EveryTextIsShownByExactlyOneTitle) {
    EXPECT_EQ(RulesOfThumb::titles().size(), 35u);
    EXPECT_EQ(RulesOfThumb::texts().size(), 34u);
    std::set<std::size_t> used;
    for (int position = 0; position < 35; ++position) {
        if (const auto number = RulesOfThumb::textNumberFor(position)) {
            EXPECT_TRUE(used.insert(*number).second) << "text " << *number << " used twice";
            EXPECT_EQ(RulesOfThumb::texts()[*number], *RulesOfThumb::shownFor(position));
        }
    }
    EXPECT_EQ(used.size(), 34u);
}

using Layout = FlightPlanSheetLayout;

std::string colour(Layout::Need need) {
    const auto highlight = Layout::highlight(need);
    return highlight ? std::to_string(*highlight) : "-";
}

const test::TextFunctions kLayout = {
    {"count", [](const CaseRow&) { return std::to_string(Layout::fields().size()); }},
    {"field",
     [](const CaseRow& c) {
         const Layout::Field& f = Layout::fields().at(static_cast<std::size_t>(c.number(1)));
         return std::string(f.valueLabel) + "|" + std::to_string(f.item) + "|" +
                std::to_string(f.row) + "|" + std::string(f.captions[0]) + "|" +
                std::string(f.captions[1]) + "|" + std::string(f.separator) + "|" +
                std::string(f.prefix) + "|" + (f.endsLine ? "end" : "") + "|" + colour(f.need);
     }},
    {"legend",
     [](const CaseRow& c) {
         const auto& entry = Layout::legend().at(static_cast<std::size_t>(c.number(1)));
         return colour(entry.need) + "|" + std::string(entry.sample) + "|" +
                std::string(entry.explanation);
     }},
    {"texts",
     [](const CaseRow&) {
         return std::string(Layout::kWindowCaption) + "|" + std::string(Layout::kHeading) + "|" +
                std::string(Layout::kMessageStart) + "|" + std::string(Layout::kLineEnd) + "|" +
                std::string(Layout::kFieldSeparator) + "|" + std::string(Layout::kTypeSeparator) +
                "|" + std::string(Layout::kSupplementaryHeading);
     }},
};

CORVANE_TEXT_TABLE(SheetLayout, kLayout, "flightplan/sheet-layout.tsv");

}  // namespace
}  // namespace corvane
