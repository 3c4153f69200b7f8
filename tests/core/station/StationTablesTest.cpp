#include <stdexcept>
#include <string>

#include "app/MainWindowModel.h"
#include "common/TextColumns.h"
#include "station/AccountMatch.h"
#include "station/PositionKinds.h"
#include "station/RatingTable.h"
#include "station/SnapshotLine.h"
#include "station/TrafficLists.h"
#include "support/CaseTable.h"
#include "support/SnapshotLines.h"

namespace corvane {
namespace {

using test::CaseRow;

const StationLayout& layoutOf(std::size_t callsignLength) {
    for (const StationLayout& layout : kStationLayouts) {
        if (layout.callsignLength == callsignLength) {
            return layout;
        }
    }
    throw std::logic_error("no layout");
}

std::string yes(bool value) {
    return value ? "yes" : "no";
}

// A snapshot field by name (as in SnapshotField.h) or number.
std::size_t field(const std::string& name) {
    return std::isdigit(static_cast<unsigned char>(name[0])) ? std::stoul(name)
                                                             : test::fieldIndex(name);
}

// The fields named in `names` ("," between): each field's text, "(none)" before it when absent.
std::string fields(const SnapshotLine& line, const std::string& names) {
    std::string text;
    for (const std::string& name : test::splitAt(names, ',')) {
        text += "|" + std::string(line.has(field(name)) ? "" : "(none)") +
                std::string(line.field(field(name)));
    }
    return text;
}

const test::TextFunctions kStation = {
    {"match",
     [](const CaseRow& c) {
         const std::size_t length = TextColumns::length(trimSpaces(c[3]));
         const auto kind = AccountMatch::match(c[1], layoutOf(std::stoul(c[2])), c[3], length);
         const char* names[] = {"None", "ByName", "ByVidPart", "ByVid"};
         return std::string(names[static_cast<int>(kind)]);
     }},
    {"followedByRating",
     [](const CaseRow& c) {
         return yes(AccountMatch::followedByRating(c[1], layoutOf(8), TextColumns::length(c[2])));
     }},
    {"isCentre",
     [](const CaseRow& c) {
         return yes(AccountMatch::isCentre(c[1], layoutOf(std::stoul(c[2]))));
     }},
    {"layouts",
     [](const CaseRow&) {
         std::string text;
         for (const StationLayout& l : kStationLayouts) {
             text += (text.empty() ? "" : " ") + std::to_string(l.callsignLength) + ":" +
                     std::to_string(l.nameColumn) + ":" + std::to_string(l.vidColumn) + ":" +
                     std::to_string(l.kindColumn);
         }
         return text;
     }},
    {"equalsUpperCased",
     [](const CaseRow& c) {
         return yes(AccountMatch::equalsUpperCased(c[1], c[2].empty() ? upperCase(c[1]) : c[2]));
     }},
    {"caption",
     [](const CaseRow& c) {
         const auto caption = RatingTable::caption(std::stoi(c[1]));
         return caption ? std::string(*caption) : "(none)";
     }},
    {"number",
     [](const CaseRow& c) {
         const auto number = RatingTable::number(c[1]);
         return number ? std::to_string(*number) : "(none)";
     }},
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
    {"showText",
     [](const CaseRow& c) {
         MainWindowModel window;
         PositionKinds::show(window, c[1]);
         return window.txtInfoPos.text.substr(std::stoul(c[2]), std::stoul(c[3]));
     }},
    {"lists",
     [](const CaseRow& c) {
         TrafficLists traffic(c[1] == "yes" ? "LIRR" : "LIRF", c[1] == "yes");
         traffic.addRawLine(test::pilotLine(c[3], std::stoul(c[2]), c[4], c[5], c[6], c[7], c[8]));
         return test::joined(traffic.departures(), ",") + "|" +
                test::joined(traffic.arrivals(), ",");
     }},
    {"split",
     [](const CaseRow& c) {
         SnapshotLine line;
         const std::string text = c[1];  // the line's fields point into it
         c[3].empty() ? line.split(text) : line.split(text, std::stoul(c[3]));
         return std::to_string(line.count()) + fields(line, c[2]);
     }},
    {"splitFields",
     [](const CaseRow& c) {
         std::uint64_t wanted = 0;
         for (const std::string& name : test::splitAt(c[3], ',')) {
             wanted |= SnapshotLine::bit(field(name));
         }
         SnapshotLine line;
         const std::string text = c[1];
         line.splitFields(text, wanted);
         return fields(line, c[2]);
     }},
    {"fieldIs",
     [](const CaseRow& c) {
         SnapshotLine line;
         const std::string text = c[1];
         line.split(text);
         return yes(line.fieldIs(field(c[2]), c[3]));
     }},
};

CORVANE_TEXT_TABLE(Accounts, kStation, "station/account-match.tsv");
CORVANE_TEXT_TABLE(Ratings, kStation, "station/ratings.tsv");
CORVANE_TEXT_TABLE(Kinds, kStation, "station/position-kinds.tsv");
CORVANE_TEXT_TABLE(Lists, kStation, "station/traffic-lists.tsv");
CORVANE_TEXT_TABLE(Lines, kStation, "station/snapshot-lines.tsv");

TEST(PositionKinds, DepartureDutiesAreOneSentence) {
    const std::string_view departure = PositionKinds::find("DEP")->duties;
    EXPECT_EQ(departure.find('.'), departure.find_last_not_of(' '));  // its only full stop ends it
}

TEST(SnapshotLine, EverySplitAgreesWithAPlainSplitOnLinesOfEveryShape) {
    // Field lengths 0..20 in turn, so colons fall at every place of the 8- and 16-byte steps.
    for (std::size_t shift = 0; shift < 17; ++shift) {
        std::vector<std::string> expected;
        std::string text;
        for (std::size_t i = 0; i < 50; ++i) {
            expected.push_back(std::string((i * 7 + shift) % 21, static_cast<char>('a' + i % 26)));
            text += (i == 0 ? "" : ":") + expected.back();
        }
        SnapshotLine line;
        line.split(text);
        for (std::size_t i = 1; i < SnapshotLine::kKeptFields; ++i) {
            ASSERT_EQ(line.field(i), expected[i]) << "shift " << shift << " field " << i;
        }
        line.splitFields(text, SnapshotLine::bit(3) | SnapshotLine::bit(29));
        EXPECT_EQ(line.field(3), expected[3]);
        EXPECT_EQ(line.field(29), expected[29]);
    }
}

}  // namespace
}  // namespace corvane
