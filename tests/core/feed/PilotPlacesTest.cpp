// Where a pilot is, beyond what the feed says: the FIR table's reading, the area rule on points
// known from the map (with the shipped tables) and the aerodrome near a position.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "feed/AreaLookup.h"
#include "feed/NearestAirport.h"
#include "feed/PilotPlaces.h"
#include "support/CaseTable.h"

namespace corvane::test {
namespace {

const std::string kShipped = std::string(CORVANE_TEST_DATA) + "/../../data/";

const PilotPlaces& shippedPlaces() {
    static const PilotPlaces places = [] {
        std::ifstream airports(kShipped + "airports.csv");
        std::ifstream firs(kShipped + "firs.txt");
        return PilotPlaces(AirportTable::read(airports), FirTable::read(firs));
    }();
    return places;
}

std::string orNoCode(std::string_view code) {
    return code.empty() ? "(none)" : std::string(code);
}

const TextFunctions kPlaces = {
    {"area",  // latitude, longitude: the code the shipped table gives
     [](const CaseRow& c) {
         return orNoCode(shippedPlaces().area(std::stod(c[1]), std::stod(c[2])));
     }},
    {"aerodrome",  // ICAO code: the code of the FIR holding it
     [](const CaseRow& c) { return orNoCode(shippedPlaces().aerodromeArea(c[1])); }},
    {"near",  // latitude, longitude: the shipped airport table's aerodrome near it
     [](const CaseRow& c) { return shippedPlaces().near(std::stod(c[1]), std::stod(c[2])); }},
    {"nearIn",  // an airport table, latitude, longitude: the aerodrome near it
     [](const CaseRow& c) {
         std::istringstream text(c[1]);
         return NearestAirport(AirportTable::read(text)).near(std::stod(c[2]), std::stod(c[3]));
     }},
    {"table",  // a FIR table, latitude, longitude: the code it gives
     [](const CaseRow& c) {
         std::istringstream text(c[1]);
         return orNoCode(AreaLookup(FirTable::read(text)).areaAt(std::stod(c[2]), std::stod(c[3])));
     }},
};

CORVANE_TEXT_TABLE(PilotPlacesTexts, kPlaces, "feed/places.tsv");

// A table that names more areas than the reader keeps is cut there, not read whole.
TEST(FirTable, StopsReadingAtTheAreaLimit) {
    std::string text;
    for (std::size_t i = 0; i < FirTable::kMaxAreas; ++i) {
        text += "AREA AAAA\n";
    }
    std::istringstream atLimit(text + "AREA BBBB\nRING\n0 0\n0 1000\n1000 1000\n");
    const FirTable table = FirTable::read(atLimit);
    EXPECT_EQ(table.codes().size(), FirTable::kMaxAreas);
    EXPECT_TRUE(table.rings().empty());
}

}  // namespace
}  // namespace corvane::test
