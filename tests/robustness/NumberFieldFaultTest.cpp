// Numbers out of range in every numeric field the program reads: the ATIS pressure, the squawk
// table and the pilot fields. Each reading ends in a plain number (never NaN, infinity or an
// exponent), the field's text as it stands, or a clear message.
#include <cmath>
#include <regex>

#include "SessionFixture.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;

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
            EXPECT_TRUE(isPlainNumber(label->text)) << label->name << ": " << label->text;
        }
        EXPECT_TRUE(std::isfinite(state().DistanceToGo));
        EXPECT_TRUE(everyMessageIsAnExclamation());
    }
};

TEST_P(NumberFieldFaultTest, GivesPlainNumbersTheTextAsItStandsOrAClearMessage) {
    const std::string bad = GetParam()[0];
    reconnect("Q1013", "Q1" + bad);
    ASSERT_TRUE(connected());
    expectPlainNumbers({&window().lblTL, &window().lblPollici});

    for (const std::string& line :
         {"EDDT:" + bad + ":2377:5000", "EDDT:2301:" + bad + ":5000", "EDDT:2301:2377:" + bad}) {
        SCOPED_TRACE(line);
        home.write("DATA/ssr_code.txt", line + "\r\n");
        reconnect("Q1013", "Q1013");
        ASSERT_TRUE(connected() && prepare("ABC12"));
        expectPlainNumbers({&window().lblTL});
        app->click("cmdSidGen");
        if (window().List1.items.empty()) {
            ASSERT_FALSE(messages().empty());
            EXPECT_EQ(messages().back(),
                      "PAY ATTENTION!!! NO TRANSPONDER CODE GENERATED PLEASE INDICATE THE RANGE");
        } else {  // a code is given out only from a well-formed range: four octal digits
            EXPECT_TRUE(
                std::regex_match(window().List1.items.back(), std::regex("ABC12   - [0-7]{4}")));
        }
    }
    home.write("DATA/ssr_code.txt", sessionData("ssr_code.txt"));

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
        ASSERT_EQ(window().LstDeparture.items, (Items{"ABC12", "XYZ345", "BAD1"}));
        app->click("Command3(1)");
        app->select("LstDeparture", 2);
        ASSERT_TRUE(state().DeparturePlan.has_value());
        if (field == snapshot::Altitude) {
            EXPECT_EQ(window().lblCurrentAlt.text, bad);
        }
        app->click("Command3(3)");
        app->select("LstArrival", 1);
        ASSERT_TRUE(state().ArrivalPlan.has_value());
        EXPECT_EQ(state().ArrivalPlan->Callsign, "BAD2");
        const MainWindowModel& w = window();
        expectPlainNumbers({&w.LblDistanceFP, &w.lblDistanceArr, &w.lblRemainNm, &w.lblEATmn,
                            &w.lblEAThR, &w.lblTL, &w.lblPollici});
    }
}

CORVANE_CASES(Values, NumberFieldFaultTest, "robustness/numbers.tsv");

}  // namespace
}  // namespace corvane
