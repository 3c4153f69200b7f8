// Huge snapshots: every connect ends in the station's lists as far as the
// file holds them, or in the account message; none crashes or hangs, and the next connect works.
// Numbers out of range in every numeric field the program reads: the ATIS pressure, the squawk
// table and the pilot fields. Each reading ends in a plain number (never NaN, infinity or an
// exponent), the field's text as it stands, or a clear message.
// No code is given out twice and no clearance in the list is lost, whatever the snapshot holds
// between two clearances.
#include <cmath>
#include <regex>
#include <set>

#include "SessionFixture.h"
#include "window/ShownText.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;

const Items kWrongAccount = {
    "PAY ATTENTION!!! INSERT CORRECT ACCOUNT (NORMALLY NAME AND SURNAME OR VID NUMBER) IVAO "
    "CONNECTED"};
const Items kAllDepartures = {"ABC12", "XYZ345"};
const Items kAllArrivals = {"ABC123"};
constexpr std::size_t kTenMegabytes = 10U * 1024U * 1024U;

// `bytes` with `text` inserted before line `line` (counted from 0).
std::string insertLine(std::string bytes, int line, const std::string& text) {
    std::size_t at = 0;
    for (int i = 0; i < line; ++i) {
        at = bytes.find("\r\n", at) + 2;
    }
    return bytes.insert(at, text + "\r\n");
}

class SnapshotFaultTest : public test::SessionFixture {};

// Files too large to keep as driver cases (ten megabytes without a line end, a line of ten
// megabytes of remarks); the smaller damages are cases of tests/data/script/clearance.
TEST_F(SnapshotFaultTest, ConnectListsWhatTheFileHoldsOrSaysWhy) {
    const std::string remarks(kTenMegabytes, 'R');
    const std::string big = test::departure("BIG1").set(snapshot::Remarks, remarks).text();
    for (const bool withoutLineEnd : {true, false}) {
        SCOPED_TRACE(withoutLineEnd ? "TenMegabytesWithoutLineEnd" : "TenMegabyteRemarks");
        platform.messages.clear();
        home.write("radar/recent.dat", withoutLineEnd
                                           ? std::string(kTenMegabytes, ':')
                                           : insertLine(sessionData("radar/recent.dat"), 1, big));
        connect();
        EXPECT_EQ(window().departure.traffic.items,
                  (withoutLineEnd ? Items{} : Items{"BIG1", "ABC12", "XYZ345"}));
        EXPECT_EQ(window().arrival.traffic.items, withoutLineEnd ? Items{} : kAllArrivals);
        EXPECT_EQ(messages(), withoutLineEnd ? kWrongAccount : Items{});
        EXPECT_TRUE(everyMessageIsAnExclamation());
        app->click("Command3(7)");
        home.write("radar/recent.dat", sessionData("radar/recent.dat"));
        connect();
        EXPECT_EQ(window().departure.traffic.items, kAllDepartures);
        app->click("Command3(7)");
    }
}

// True for "" or plain decimal text: an optional minus, digits, an optional fraction.
bool isPlainNumber(const std::string& text) {
    return std::regex_match(text, std::regex(R"((-?(\d+\.?\d*|\.\d+))?)"));
}

class NumberFieldFaultTest : public test::SessionFixture,
                             public ::testing::WithParamInterface<test::CaseRow> {
protected:
    // Connects again on the session snapshot with `from` replaced by `to`.
    void reconnect(const std::string& from, const std::string& to, const std::string& more = "") {
        std::string snapshot = sessionData("radar/recent.dat");
        home.write("radar/recent.dat",
                   snapshot.replace(snapshot.find(from), from.size(), to) + more);
        app->click("Command3(7)");
        platform.messages.clear();
        connect();
    }
    void expectPlainNumbers(const std::vector<const Label*>& labels) {
        for (const Label* label : labels) {
            EXPECT_TRUE(isPlainNumber(shownText(label->text)))
                << label->name << ": " << label->text;
        }
        EXPECT_TRUE(std::isfinite(state().DepartureAircraft.distanceToGoNm));
        EXPECT_TRUE(std::isfinite(state().ArrivalAircraft.distanceToGoNm));
        EXPECT_TRUE(everyMessageIsAnExclamation());
    }
};

TEST_P(NumberFieldFaultTest, GivesPlainNumbersTheTextAsItStandsOrAClearMessage) {
    const std::string bad = GetParam()[0];
    reconnect("Q1013", "Q1" + bad);
    ASSERT_TRUE(connected());
    expectPlainNumbers({&window().topStrip.transitionLevel, &window().topStrip.qnhInches});

    for (const std::string& line :
         {"EDDT:" + bad + ":2377:5000", "EDDT:2301:" + bad + ":5000", "EDDT:2301:2377:" + bad}) {
        SCOPED_TRACE(line);
        home.write("DATA/ssr_code.txt", line + "\r\n");
        reconnect("Q1013", "Q1013");
        ASSERT_TRUE(connected() && prepare("ABC12"));
        expectPlainNumbers({&window().topStrip.transitionLevel});
        app->click("cmdSidGen");
        if (window().departure.cleared.items.empty()) {
            ASSERT_FALSE(messages().empty());
            EXPECT_EQ(messages().back(),
                      "PAY ATTENTION!!! NO TRANSPONDER CODE GENERATED PLEASE INDICATE THE RANGE");
        } else {  // a code is given out only from a well-formed range: four octal digits
            EXPECT_TRUE(std::regex_match(window().departure.cleared.items.back(),
                                         std::regex("ABC12   - [0-7]{4}")));
        }
    }
    home.write("DATA/ssr_code.txt", sessionData("DATA/ssr_code.txt"));

    for (const auto field :
         {snapshot::Latitude, snapshot::Longitude, snapshot::Altitude, snapshot::GroundSpeed,
          snapshot::DepLat, snapshot::DepLon, snapshot::DestLat, snapshot::DestLon,
          snapshot::CruiseLevel, snapshot::CruiseSpeed, snapshot::DepTime, snapshot::Eet,
          snapshot::Endurance, snapshot::Squawk, snapshot::PersonsOnBoard}) {
        SCOPED_TRACE("field " + std::to_string(field));
        reconnect("Q1013", "Q1013",
                  test::departure("BAD1").set(field, bad).text() + "\r\n" +
                      test::departure("BAD2")
                          .set(snapshot::DepAirport, "LIRF")
                          .set(snapshot::DestAirport, "EDDT")
                          .set(field, bad)
                          .text() +
                      "\r\n");
        ASSERT_TRUE(connected());
        ASSERT_EQ(window().departure.traffic.items, (Items{"ABC12", "XYZ345", "BAD1"}));
        app->click("Command3(1)");
        app->select("LstDeparture", 2);
        ASSERT_TRUE(state().DeparturePlan.has_value());
        if (field == snapshot::Altitude) {
            EXPECT_EQ(window().departure.altitude.text, bad);
        }
        app->click("Command3(3)");
        app->select("LstArrival", 1);
        ASSERT_TRUE(state().ArrivalPlan.has_value());
        EXPECT_EQ(state().ArrivalPlan->Callsign, "BAD2");
        const MainWindowModel& w = window();
        expectPlainNumbers({&w.departure.routeDistance, &w.arrival.distanceToGo,
                            &w.departure.distanceToGo, &w.arrival.arrivalMinute,
                            &w.arrival.arrivalHour, &w.topStrip.transitionLevel,
                            &w.topStrip.qnhInches});
    }
}

CORVANE_CASES(Values, NumberFieldFaultTest, "robustness/numbers.tsv");

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
        const Items before = window().departure.cleared.items;
        // The aircraft is selected again from a list that still holds it.
        window().departure.traffic.items = {"XYZ345"};
        clearDeparture("XYZ345");
        const Items& after = window().departure.cleared.items;
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
