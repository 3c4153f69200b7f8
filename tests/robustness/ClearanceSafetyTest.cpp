// No code is given out twice and no clearance on screen or in a list is lost, whatever the
// snapshot shows between two clearances.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "SessionFixture.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;

// The code of an entry of List1 ("ABC12   - 2302").
std::string codeOf(const std::string& entry) {
    return entry.substr(entry.size() - 4);
}

class ClearanceSafetyTest : public test::SessionFixture {
protected:
    void SetUp() override {
        connect();
        ASSERT_TRUE(connected());
    }
    // Rewrites the snapshot with the station line and the given aircraft lines.
    void rewriteSnapshot(const std::vector<std::string>& aircraft) {
        std::string bytes = sessionData("recent.dat");
        bytes = bytes.substr(0, bytes.find("\r\n") + 2);
        for (const auto& line : aircraft) {
            bytes += line + "\r\n";
        }
        home.write("radar/recent.dat", bytes);
    }
    void clearDeparture(const std::string& callsign) {
        ASSERT_TRUE(prepareDeparture(callsign)) << callsign;
        app->click("cmdSidGen");
    }
};

TEST_F(ClearanceSafetyTest, NextCodeSquawkedByAnotherAircraftIsSkipped) {
    // OTH1 squawks 2301, XYZ345 2303, OTH2 2304: the first clearance gives 2302.
    clearDeparture("ABC12");
    EXPECT_EQ(window().LblSquawk.text, "2305");
    clearDeparture("XYZ345");
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2302", "XYZ345  - 2305"}));
}

TEST_F(ClearanceSafetyTest, CodeSquawkedSinceTheLastClearanceIsSkipped) {
    clearDeparture("ABC12");
    ASSERT_EQ(window().LblSquawk.text, "2305");
    // Another aircraft now squawks the offered code; the aircraft that held 2304 has gone, but
    // the codes never step back below the one on offer.
    rewriteSnapshot({pilotLine({{0, "NEW1"}, {16, "EDDF"}, {36, "2305"}}),
                     pilotLine({{0, "XYZ345"}, {36, "2000"}})});
    clearDeparture("XYZ345");
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2302", "XYZ345  - 2306"}));
}

TEST_F(ClearanceSafetyTest, CodeGivenOutIsNeverGivenAgainEvenWhenItsAircraftHasGone) {
    clearDeparture("ABC12");
    // ABC12 left the snapshot; the window is made to offer its code again.
    rewriteSnapshot({pilotLine({{0, "XYZ345"}, {36, "2000"}})});
    window().LblSquawk.text = "2302";
    clearDeparture("XYZ345");
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2302", "XYZ345  - 2303"}));
}

TEST_F(ClearanceSafetyTest, ExhaustedRangeRefusesInsteadOfRepeatingACode) {
    window().Lblr1_1.text = "2376";
    window().Lblr2_1.text = "2377";
    window().LblSquawk.text = "2376";
    rewriteSnapshot({pilotLine({{0, "OTH9"}, {16, "EDDF"}, {36, "2376"}}),
                     pilotLine({{0, "ABC12"}}), pilotLine({{0, "XYZ345"}})});
    clearDeparture("ABC12");
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2377"}));
    const std::string firstClearance = window().LblIfrSid.text;
    clearDeparture("XYZ345");
    EXPECT_EQ(messages(),
              (std::vector<std::string>{
                  "PAY ATTENTION!!! NO TRANSPONDER CODE GENERATED PLEASE INDICATE THE RANGE"}));
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2377"}));
    EXPECT_EQ(window().LstDeparture.items, (Items{"XYZ345"}));
}

TEST_F(ClearanceSafetyTest, DamagedSnapshotBetweenClearancesLosesNothingAndRepeatsNothing) {
    // Each damaged snapshot, and a code no clearance may give out while it stands.
    const std::vector<std::pair<std::string, std::string>> damages = {
        {pilotLine({{0, "OTH7"}, {36, " 2305 "}}), "2305"},
        {"", ""},
        {std::string(5000, '\0'), ""},
        {"XYZ345:345678", ""},
        {"\xFF\xFE:::::::::::::::::::::::::::::::::::", ""},
        {pilotLine({{0, "OTH5"}, {36, "23"}}), ""},
        {pilotLine({{0, "OTH6"}, {36, "99999"}}), ""},
        {pilotLine({{0, "OTH8"}, {36, "2311"}}) + "\r\n" + pilotLine({{0, "OTH9"}, {36, "2310"}}),
         "2310"}};
    clearDeparture("ABC12");
    std::set<std::string> codes = {"2302"};
    for (const auto& [damage, squawked] : damages) {
        SCOPED_TRACE(damage.substr(0, 20));
        home.write("radar/recent.dat", damage);
        const Items before = window().List1.items;
        // The aircraft is selected again from a list that still holds it.
        window().LstDeparture.items = {"XYZ345"};
        clearDeparture("XYZ345");
        const Items& after = window().List1.items;
        ASSERT_GE(after.size(), before.size());
        EXPECT_EQ(Items(after.begin(), after.begin() + static_cast<long>(before.size())), before);
        if (after.size() > before.size()) {
            const std::string code = codeOf(after.back());
            EXPECT_TRUE(codes.insert(code).second) << "given twice: " << code;
            EXPECT_NE(code, squawked);
        }
    }
    EXPECT_TRUE(everyMessageIsAnExclamation());
}

TEST_F(ClearanceSafetyTest, ArrivalClearanceNeverConsumesADepartureCode) {
    ASSERT_TRUE(prepareArrival("ABC123"));
    app->click("cmdStarGen");
    ASSERT_EQ(window().List2.items.size(), 1U);
    // Arrivals only apply the range adjustment; the code on offer stays.
    EXPECT_EQ(window().LblSquawk.text, "2301");
    clearDeparture("ABC12");
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2302"}));
    EXPECT_EQ(window().List2.items.size(), 1U);
}

TEST_F(ClearanceSafetyTest, ShowingAListedClearanceAfterTheLogWentKeepsBothLists) {
    clearDeparture("ABC12");
    ASSERT_TRUE(prepareArrival("ABC123"));
    app->click("cmdStarGen");
    home.write("DATA/departure.txt", std::string(3000, '/') + "\r\n\xFF\r\n");
    app->select("List1", 0);
    app->select("List2", 0);
    EXPECT_EQ(window().List1.items, (Items{"ABC12   - 2302"}));
    EXPECT_EQ(window().List2.items.size(), 1U);
    EXPECT_TRUE(everyMessageIsAnExclamation());
}

}  // namespace
}  // namespace corvane
