// Huge or wrongly encoded snapshots: every connect ends in the station's lists as far as the
// file holds them, or in the account message; none crashes or hangs, and the next connect works.
#include <functional>

#include "SessionFixture.h"

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

struct SnapshotCase {
    std::string name;
    std::function<std::string(std::string)> damage;  // session snapshot -> test file
    Items departures, arrivals, messages;
};

void PrintTo(const SnapshotCase& row, std::ostream* out) {
    *out << row.name;
}

// Files too large to keep as driver cases; the smaller damages are cases of
// tests/data/script/clearance.
const SnapshotCase kCases[] = {
    {"TenMegabytesWithoutLineEnd",
     [](auto) { return std::string(kTenMegabytes, ':'); },
     {},
     {},
     kWrongAccount},
    {"TenMegabyteRemarksCutButListed",
     [](auto s) {
         const std::string remarks(kTenMegabytes, 'R');
         return insertLine(s, 1, test::departure("BIG1").set(snapshot::Remarks, remarks).text());
     },
     {"BIG1", "ABC12", "XYZ345"},
     kAllArrivals,
     {}},
};

class SnapshotFaultTest : public test::SessionFixture,
                          public ::testing::WithParamInterface<SnapshotCase> {};

TEST_P(SnapshotFaultTest, ConnectListsWhatTheFileHoldsOrSaysWhy) {
    const SnapshotCase& c = GetParam();
    home.write("radar/recent.dat", c.damage(sessionData("radar/recent.dat")));
    connect();
    EXPECT_EQ(window().LstDeparture.items, c.departures);
    EXPECT_EQ(window().LstArrival.items, c.arrivals);
    EXPECT_EQ(messages(), c.messages);
    EXPECT_TRUE(everyMessageIsAnExclamation());
    app->click("Command3(7)");
    home.write("radar/recent.dat", sessionData("radar/recent.dat"));
    connect();
    EXPECT_EQ(window().LstDeparture.items, kAllDepartures);
}

INSTANTIATE_TEST_SUITE_P(Snapshots, SnapshotFaultTest, ::testing::ValuesIn(kCases),
                         test::caseName<SnapshotCase>);

// A callsign that is not UTF-8 is listed as Windows-1252 and found again when selected.
TEST_F(SnapshotFaultTest, AWindows1252CallsignIsListedDecodedAndFoundAgain) {
    home.write("radar/recent.dat", insertLine(sessionData("radar/recent.dat"), 2,
                                              test::departure("\xC4"
                                                              "BC99")
                                                  .set(snapshot::RealName, "\xC0\xAF\x81")
                                                  .text()));
    connect();
    EXPECT_EQ(window().LstDeparture.items, (Items{"\xC3\x84"
                                                  "BC99",
                                                  "ABC12", "XYZ345"}));
    app->click("Command3(1)");
    app->select("LstDeparture", 0);
    // Overlong UTF-8 is no UTF-8; 0x81 has no Windows-1252 letter and is kept as U+0081.
    EXPECT_EQ(state().FlightPlan.PilotInCommand, "\xC3\x80\xC2\xAF\xC2\x81");
    EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace corvane
