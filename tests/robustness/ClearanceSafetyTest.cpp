// No code is given out twice and no clearance in the list is lost, whatever the snapshot holds
// between two clearances.
#include <set>

#include "SessionFixture.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;

class ClearanceSafetyTest : public test::SessionFixture {
protected:
    void clearDeparture(const std::string& callsign) {
        ASSERT_TRUE(prepare(callsign)) << callsign;
        app->click("cmdSidGen");
    }
};

TEST_F(ClearanceSafetyTest, DamagedSnapshotBetweenClearancesLosesNothingAndRepeatsNothing) {
    // Each damaged snapshot, and a code no clearance may give out while it stands.
    const std::vector<std::pair<std::string, std::string>> damages = {
        {test::departure("OTH7").set(snapshot::Squawk, " 2305 ").text(), "2305"},
        {"", ""},
        {std::string(5000, '\0'), ""},
        {"XYZ345:345678", ""},
        {"\xFF\xFE:::::::::::::::::::::::::::::::::::", ""},
        {test::departure("OTH5").set(snapshot::Squawk, "23").text(), ""},
        {test::departure("OTH6").set(snapshot::Squawk, "99999").text(), ""},
        {test::departure("OTH8").set(snapshot::Squawk, "2311").text() + "\r\n" +
             test::departure("OTH9").set(snapshot::Squawk, "2310").text(),
         "2310"}};
    connect();
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
            const std::string code = after.back().substr(after.back().size() - 4);
            EXPECT_TRUE(codes.insert(code).second) << "given twice: " << code;
            EXPECT_NE(code, squawked);
        }
    }
    EXPECT_TRUE(everyMessageIsAnExclamation());
}

}  // namespace
}  // namespace corvane
