// The flight plan sheet's layout against tests/data/flightplan/sheet-layout.tsv.
#include <gtest/gtest.h>

#include <string>

#include "flightplan/FlightPlanSheetLayout.h"
#include "support/CaseTable.h"

namespace corvane {
namespace {

using test::CaseRow;

namespace Layout = FlightPlanSheetLayout;

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
