#include <gtest/gtest.h>

#include <string>

#include "app/MainWindowModel.h"
#include "common/TextColumns.h"
#include "station/PositionKinds.h"
#include "support/CaseName.h"
#include "support/CaseTable.h"

namespace corvane {
namespace {

using test::CaseRow;

const test::TextFunctions kKinds = {
    {"paragraph",
     [](const CaseRow& c) {
         const PositionKind* kind = PositionKinds::find(c[1]);
         const std::string_view text = c[2] == "2" ? kind->moreDuties : kind->duties;
         const std::string expected = c.cells.back();
         const std::size_t sentence = expected.size() - expected.find(' ') - 1;
         return std::to_string(TextColumns::length(text)) + " " +
                std::string(text.substr(0, sentence));
     }},
    {"show",
     [](const CaseRow& c) {
         MainWindowModel window;
         window.lblPosition.text = "BEFORE";
         window.txtInfoPos.text = "OLD";
         PositionKinds::show(window, c[1]);
         if (window.lblPosition.text == "BEFORE" && window.txtInfoPos.text == "OLD") {
             return std::string("(kept)");
         }
         return window.lblPosition.text + " " +
                std::to_string(TextColumns::length(window.txtInfoPos.text));
     }},
};

class Kinds : public ::testing::TestWithParam<CaseRow> {};

TEST_P(Kinds, GiveTheExpectedText) {
    EXPECT_EQ(kKinds.at(GetParam()[0])(GetParam()), GetParam().cells.back());
}

INSTANTIATE_TEST_SUITE_P(Table, Kinds,
                         ::testing::ValuesIn(test::caseTable("station/position-kinds.tsv")),
                         test::caseName<CaseRow>);

TEST(PositionKinds, GroundHasOneParagraphAndDepartureOneSentence) {
    EXPECT_TRUE(PositionKinds::find("GND")->moreDuties.empty());
    const std::string_view departure = PositionKinds::find("DEP")->duties;
    // One sentence: its only full stop ends it.
    EXPECT_EQ(departure.find('.'), departure.find_last_not_of(' '));
}

TEST(PositionKinds, ADescriptionJoinsBothParagraphsDirectly) {
    MainWindowModel window;
    PositionKinds::show(window, "EDDF_APP");
    EXPECT_EQ(window.txtInfoPos.text.size(), 280u + 924u);
    EXPECT_EQ(window.txtInfoPos.text.substr(280, 42), "Approach is the most complicated position.");
}

}  // namespace
}  // namespace corvane
