#include <gtest/gtest.h>

#include <string>

#include "app/MainWindowModel.h"
#include "common/TextColumns.h"
#include "station/PositionKinds.h"

namespace corvane {
namespace {

struct ParagraphCase {
    const char* kind;
    bool second;  // the second paragraph, else the first
    const char* firstSentence;
    std::size_t length;  // characters
};

class Paragraphs : public ::testing::TestWithParam<ParagraphCase> {};

TEST_P(Paragraphs, BeginWithTheirSentenceAndHaveTheirLength) {
    const PositionKind* kind = PositionKinds::find(GetParam().kind);
    ASSERT_NE(kind, nullptr);
    const std::string_view text = GetParam().second ? kind->moreDuties : kind->duties;
    EXPECT_EQ(text.substr(0, std::string_view(GetParam().firstSentence).size()),
              GetParam().firstSentence);
    EXPECT_EQ(TextColumns::length(text), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(
    AllNine, Paragraphs,
    ::testing::Values(
        ParagraphCase{"APP", false,
                      "Controls the airspace up to 30NM away from the airport, up to 18,000 ft "
                      "(usually).",
                      280},
        ParagraphCase{"APP", true, "Approach is the most complicated position.", 924},
        ParagraphCase{"CTR", false, "Centers own all airspace not controlled by APP or TWR.", 187},
        ParagraphCase{"CTR", true,
                      "Center handles all airplanes in a specific area which are en route and not "
                      "getting ready to land or having just departed.",
                      759},
        ParagraphCase{"TWR", false,
                      "The runways and the airspace up to 10 NM (nautical miles) from the airport.",
                      113},
        ParagraphCase{"TWR", true,
                      "Tower has responsibility for all planes coming into or out of the airport, "
                      "and the planes wishing to enter or cross the active runways.",
                      933},
        ParagraphCase{"GND", false,
                      "Controls the movement of aircraft on the ground at an airport, however only "
                      "the taxiways and bays... not the active runways.",
                      449},
        ParagraphCase{"DEP", false, "An position rarely used in the virtual world", 292},
        ParagraphCase{"DEP", true,
                      "The departure controller controls all planes leaving an airport; normally "
                      "_APP will handle these but sometimes traffic means that there is just too "
                      "much for a single controller to do.",
                      605}));

TEST(PositionKinds, GroundHasOneParagraphAndDepartureOneSentence) {
    EXPECT_TRUE(PositionKinds::find("GND")->moreDuties.empty());
    const std::string_view departure = PositionKinds::find("DEP")->duties;
    // One sentence: its only full stop ends it.
    EXPECT_EQ(departure.find('.'), departure.find_last_not_of(' '));
}

struct ShowCase {
    const char* positionName;
    const char* title;       // "" when the fields keep their contents
    std::size_t infoLength;  // characters of both paragraphs joined
};

class ShowKind : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowKind, ByTheLastThreeCharacters) {
    MainWindowModel window;
    window.lblPosition.text = "BEFORE";
    window.txtInfoPos.text = "OLD";
    PositionKinds::show(window, GetParam().positionName);
    const std::string title = GetParam().title;
    if (title.empty()) {
        EXPECT_EQ(window.lblPosition.text, "BEFORE");
        EXPECT_EQ(window.txtInfoPos.text, "OLD");
        return;
    }
    EXPECT_EQ(window.lblPosition.text, title);
    EXPECT_EQ(TextColumns::length(window.txtInfoPos.text), GetParam().infoLength);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ShowKind,
                         ::testing::Values(ShowCase{"EDDF_APP", "APPROACH CONTROL", 280 + 924},
                                           ShowCase{"LIRR_W_CTR", "AREA CENTER CONTROL", 187 + 759},
                                           ShowCase{"EDDF_TWR", "TOWER CONTROL", 113 + 933},
                                           ShowCase{"EDDF_GND", "GROUND CONTROL", 449},
                                           ShowCase{"EDDF_N_DEP", "DEPARTURE CONTROL", 292 + 605},
                                           ShowCase{"APP", "APPROACH CONTROL", 280 + 924},
                                           ShowCase{"EDDF_DEL", "", 0}, ShowCase{"EDDF_app", "", 0},
                                           ShowCase{"", "", 0}, ShowCase{"PP", "", 0}));

TEST(PositionKinds, ADescriptionJoinsBothParagraphsDirectly) {
    MainWindowModel window;
    PositionKinds::show(window, "EDDF_APP");
    EXPECT_EQ(window.txtInfoPos.text.size(), 280u + 924u);
    EXPECT_EQ(window.txtInfoPos.text.substr(280, 42), "Approach is the most complicated position.");
}

}  // namespace
}  // namespace corvane
