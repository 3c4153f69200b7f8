#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/TextColumns.h"
#include "platform/FileSystem.h"
#include "snapshot/SnapshotLine.h"
#include "station/AccountMatch.h"
#include "station/AtisInformation.h"
#include "station/PositionKinds.h"
#include "station/RatingTable.h"
#include "station/SearchPassTraffic.h"
#include "station/SquawkTable.h"
#include "station/TrafficLists.h"
#include "support/AppFixture.h"
#include "support/CaseTable.h"
#include "support/SnapshotLines.h"
#include "window/AppContext.h"
#include "window/MainWindowModel.h"
#include "window/ShownText.h"

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

// The account match of a row, also on a line whose head is known to be ASCII.
std::string match(const CaseRow& c, bool asciiHead) {
    const std::size_t length = TextColumns::length(trimSpaces(c[3]));
    const StationLayout& layout = layoutOf(std::stoul(c[2]));
    const auto kind =
        asciiHead ? AccountMatch::match(c[1], layout, c[3], length, AccountMatch::headBytes(length))
                  : AccountMatch::match(c[1], layout, c[3], length);
    const char* names[] = {"None", "ByName", "ByVidPart", "ByVid"};
    return names[static_cast<int>(kind)];
}

const test::TextFunctions kStation = {
    {"match", [](const CaseRow& c) { return match(c, false); }},
    {"matchHead", [](const CaseRow& c) { return match(c, true); }},
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
         StationState station;
         station.positionTitle = "BEFORE";
         station.positionNotes = "OLD";
         PositionKinds::show(station, c[1]);
         if (station.positionTitle == "BEFORE" && station.positionNotes == "OLD") {
             return std::string("(kept)");
         }
         return station.positionTitle + " " +
                std::to_string(TextColumns::length(station.positionNotes));
     }},
    {"showText",
     [](const CaseRow& c) {
         StationState station;
         PositionKinds::show(station, c[1]);
         return station.positionNotes.substr(std::stoul(c[2]), std::stoul(c[3]));
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

namespace A = AtisInformation;

// Squawk rows: the table's file name, its bytes; the window after the airport's line was read.
class Atis : public test::AppFixture, public ::testing::WithParamInterface<CaseRow> {
protected:
    std::string run(const CaseRow& c) {
        StationState& station = state().Station;
        if (c[0] == "showAtis") {
            station.qnh = "KEEP";
            state().QnhPosition = 77;
            A::showAtis(context(), c[1]);
            const std::string message = platform.messages.empty() ? "" : value("messages");
            EXPECT_TRUE(platform.messages.empty() || value("icons") == "0");
            EXPECT_TRUE(platform.messages.empty() || value("titles").empty());
            return station.atis + "|" + station.qnh + "|" + std::to_string(state().QnhPosition) +
                   "|" + message;
        }
        if (c[0] == "transitionLevel") {
            station.transitionLevel = "70";
            station.qnhInches = "29.92";
            c[1] == "-" ? void(station.qnh = "") : A::showAtis(context(), "EDDF Q" + c[1]);
            station.transitionAltitude = c[2];
            A::transitionLevel(station, state().QnhPosition);
            return station.transitionLevel + "|" + station.qnhInches + "|" + station.qnh;
        }
        if (c[0] == "squawk") {
            state().AirportCode = "EDDF";
            station.atis = "EDDF Q1013";
            station.qnh = "1013";
            state().QnhPosition = 6;
            station.transitionAltitude = station.transitionLevel = station.qnhInches = "PREV";
            home.write("DATA/" + c[1], c[2]);
            EXPECT_TRUE(SquawkTable::load(context()));
            return station.firstCode + "|" + station.lastCode + "|" + station.nextCode + "|" +
                   station.transitionAltitude + "|" + station.transitionLevel + "|" +
                   value("messages");
        }
        if (c[0] == "increment") {
            return test::decimal(A::transitionIncrement(std::stod(c[1])));
        }
        if (c[0] == "qnhPosition") {
            return std::to_string(A::qnhPosition(c[1]));
        }
        return c[0] == "inches" ? A::inchesOfMercury(std::stod(c[1]))
                                : std::string(A::qnhText(c[1], std::stoi(c[2])));
    }
};

TEST_P(Atis, GivesTheExpectedText) {
    EXPECT_EQ(run(GetParam()), GetParam().cells.back());
}

CORVANE_CASES(Table, Atis, "station/atis.tsv");
CORVANE_CASES(Squawks, Atis, "station/squawks.tsv");

// A pilot line of 22 fields, the last the destination.
std::string pilot(const std::string& callsign, const std::string& dep, const std::string& dest) {
    return test::pilotLine(callsign, 22, dep, dest);
}

const std::vector<std::string> kSnapshot = {pilot("F1", "EDDF", "LIRF"), "EDDF_APP:123456:JANE DOE",
                                            pilot("F2", "LIRF", "EDDF"), pilot("F3", "EDDF", "")};

// tests/data/station/search-pass.tsv
class SearchPass : public test::AppFixture, public ::testing::WithParamInterface<CaseRow> {};

TEST_P(SearchPass, ListsTheTrafficOfTheMatchedStation) {
    const CaseRow& c = GetParam();
    const auto listed = [](const std::string& cell) {
        return cell.empty() ? std::vector<std::string>{} : test::splitAt(cell, ',');
    };
    state().AirportCode = "EDDF";
    state().CentreMode = false;
    writeSnapshot(kSnapshot);
    // What the search read after the match is what gets listed, not the file's lines read anew.
    std::vector<std::string> read = kSnapshot;
    read[3] = c.name == "ReadsOnlyTheLinesBeforeTheMatchAgain" ? pilot("G3", "EDDF", "") : read[3];
    SearchPassTraffic traffic;
    FileStatus status = FileStatus::Ok;
    traffic.readingVersion(context().files().openLines(state().SnapshotPath, status)->version());
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (i == static_cast<std::size_t>(c.number(0))) {
            traffic.follow("EDDF", false, i);
        }
        traffic.add(read[i]);
    }
    if (c[1] == "rewrite") {
        writeSnapshot(
            {pilot("N1", "EDDF", ""), pilot("N2", "EDDF", "EDDF"), pilot("N3", "LOWW", "EDDF")});
    } else if (c[1] == "remove") {
        std::remove(state().SnapshotPath.c_str());
    } else if (!c[1].empty()) {
        state().AirportCode = c[1];
    }
    EXPECT_EQ(traffic.complete(context()), c.name != "ASnapshotGoneBeforeTheSecondReadIsReported");
    EXPECT_EQ(platform.messages.size(), c[2].empty() ? 1u : 0u);
    EXPECT_EQ(window().departure.traffic.items, listed(c[2]));
    EXPECT_EQ(window().arrival.traffic.items, listed(c[3]));
}

CORVANE_CASES(Cases, SearchPass, "station/search-pass.tsv");

}  // namespace
}  // namespace corvane
