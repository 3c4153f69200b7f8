// Damaged or hostile snapshots: every connect ends in the station's lists as far as the file
// holds them, or in the account message; none crashes or hangs.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SessionFixture.h"

namespace corvane {
namespace {

using Items = std::vector<std::string>;

constexpr const char* kWrongAccount =
    "PAY ATTENTION!!! INSERT CORRECT ACCOUNT (NORMALLY NAME AND SURNAME OR VID NUMBER) IVAO "
    "CONNECTED";
constexpr const char* kWholeName =
    "PAY ATTENTION!!! INSERT YOUR NAME AND SURNAME TO IVAO CONNECTED";
constexpr std::size_t kTenMegabytes = 10U * 1024U * 1024U;

// The lines of the session snapshot without their CR LF.
std::vector<std::string> sessionLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        lines.push_back(bytes.substr(start, end - start));
        start = end == std::string::npos ? bytes.size() : end + 2;
    }
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

struct SnapshotCase {
    const char* name;
    std::function<std::string(const std::string&)> damage;  // session snapshot -> test file
    Items departures;
    Items arrivals;
    std::vector<std::string> messages;
};

const Items kAllDepartures = {"ABC12", "XYZ345"};
const Items kAllArrivals = {"ABC123"};

std::vector<SnapshotCase> snapshotCases() {
    return {
        {"UntouchedSession",
         [](const std::string& s) { return s; },
         kAllDepartures,
         kAllArrivals,
         {}},
        {"TruncatedMidLine",
         [](const std::string& s) {
             // Cut in the middle of the XYZ345 line, before its departure field.
             return s.substr(0, s.find("XYZ345") + 40);
         },
         {"ABC12"},
         {},
         {}},
        {"TruncatedInsideTheStationLine",
         [](const std::string& s) { return s.substr(0, s.find(":5:")); },
         {},
         {},
         {kWholeName}},
        {"EmptyFile", [](const std::string&) { return std::string(); }, {}, {}, {kWrongAccount}},
        {"LfLineEnds",
         [](const std::string& s) {
             std::string out;
             for (const char c : s) {
                 if (c != '\r') {
                     out += c;
                 }
             }
             return out;
         },
         kAllDepartures,
         kAllArrivals,
         {}},
        {"TenMegabyteLineBeforeTheStation",
         [](const std::string& s) { return std::string(kTenMegabytes, 'X') + "\r\n" + s; },
         kAllDepartures,
         kAllArrivals,
         {}},
        {"TenMegabyteRemarksCutButListed",
         [](const std::string& s) {
             auto lines = sessionLines(s);
             lines[2] = test::SessionFixture::pilotLine({{35, std::string(kTenMegabytes, 'R')}});
             return joined(lines);
         },
         kAllDepartures,
         kAllArrivals,
         {}},
        {"TenMegabytesWithoutLineEnd",
         [](const std::string&) {
             std::string bytes;
             while (bytes.size() < kTenMegabytes) {
                 bytes += "EDDT:";
             }
             return bytes;
         },
         {},
         {},
         {kWrongAccount}},
        {"NulBytesInsideAndBetweenLines",
         [](const std::string& s) {
             auto lines = sessionLines(s);
             lines[1].insert(10, std::string(3, '\0'));
             lines.insert(lines.begin() + 2, std::string(1000, '\0'));
             return joined(lines);
         },
         kAllDepartures,
         kAllArrivals,
         {}},
        {"NulInTheStationName",
         [](const std::string& s) {
             std::string out = s;
             out[out.find("JANE DOE") + 4] = '\0';
             return out;
         },
         {},
         {},
         {kWrongAccount}},
        {"OnlyNulBytes",
         [](const std::string&) { return std::string(4096, '\0'); },
         {},
         {},
         {kWrongAccount}},
        {"InvalidUtf8AndWindows1252OnEveryLine",
         [](const std::string& s) {
             std::string out;
             for (const auto& line : sessionLines(s)) {
                 out += line + ":\xC3\xA9\xE9\xC0\xAF\xED\xA0\x80\x81\xFF\r\n";
             }
             return out;
         },
         kAllDepartures,
         kAllArrivals,
         {}},
        {"BinaryGarbageLinesBetweenTraffic",
         [](const std::string& s) {
             auto lines = sessionLines(s);
             std::string garbage;
             for (int b = 1; b < 256; ++b) {
                 if (b != '\n' && b != '\r') {
                     garbage += static_cast<char>(b);
                 }
             }
             lines.insert(lines.begin() + 3, garbage);
             lines.insert(lines.begin() + 1, garbage + garbage);
             return joined(lines);
         },
         kAllDepartures,
         kAllArrivals,
         {}},
        {"ColonsOnly",
         [](const std::string& s) { return std::string(100000, ':') + "\r\n" + s; },
         kAllDepartures,
         kAllArrivals,
         {}},
    };
}

class SnapshotFaultTest : public test::SessionFixture,
                          public ::testing::WithParamInterface<SnapshotCase> {};

TEST_P(SnapshotFaultTest, ConnectListsWhatTheFileHoldsOrSaysWhy) {
    const SnapshotCase& c = GetParam();
    home.write("radar/recent.dat", c.damage(sessionData("recent.dat")));
    connect();
    EXPECT_EQ(window().LstDeparture.items, c.departures);
    EXPECT_EQ(window().LstArrival.items, c.arrivals);
    EXPECT_EQ(messages(), c.messages);
    EXPECT_TRUE(everyMessageIsAnExclamation());
    EXPECT_TRUE(state().running);
    // The program keeps running: a reset and a second connect on the intact file work.
    app->click("Command3(7)");
    home.write("radar/recent.dat", sessionData("recent.dat"));
    connect();
    EXPECT_EQ(window().LstDeparture.items, kAllDepartures);
}

INSTANTIATE_TEST_SUITE_P(Snapshots, SnapshotFaultTest, ::testing::ValuesIn(snapshotCases()),
                         [](const auto& param) { return std::string(param.param.name); });

class SnapshotEncodingTest : public test::SessionFixture {};

TEST_F(SnapshotEncodingTest, MixedEncodingLineIsReadAsWindows1252) {
    auto lines = sessionLines(sessionData("recent.dat"));
    // Valid UTF-8 (e acute) and a Windows-1252 u umlaut on one line: the line is not valid
    // UTF-8, so every byte of it is read as Windows-1252.
    lines[2] = test::SessionFixture::pilotLine({{2, "M\xFCller \xC3\xA9"}});
    lines[0] += "\xFC";  // the station line, ATIS last: Windows-1252 too
    home.write("radar/recent.dat", joined(lines));
    connect();
    EXPECT_EQ(window().LblAtisInf.text, "EDDT INFORMATION K Q1013\xC3\xBC");
    EXPECT_EQ(window().lblQNH.text, "1013");
    app->click("Command3(1)");
    app->select("LstDeparture", 0);
    EXPECT_EQ(state().FlightPlan.PilotInCommand, "M\xC3\xBCller \xC3\x83\xC2\xA9");
}

TEST_F(SnapshotEncodingTest, OverlongAndSurrogateSequencesNeverPassAsUtf8) {
    auto lines = sessionLines(sessionData("recent.dat"));
    lines[2] = test::SessionFixture::pilotLine({{2, "\xC0\xAF\xED\xA0\x80\x81"}});
    home.write("radar/recent.dat", joined(lines));
    connect();
    app->click("Command3(1)");
    app->select("LstDeparture", 0);
    // C0 AF ED A0 80 81, each byte read as Windows-1252 (0x81 is unassigned: kept as U+0081).
    EXPECT_EQ(state().FlightPlan.PilotInCommand,
              "\xC3\x80\xC2\xAF\xC3\xAD\xC2\xA0\xE2\x82\xAC\xC2\x81");
}

TEST_F(SnapshotEncodingTest, Windows1252CallsignIsListedDecodedAndFoundAgain) {
    auto lines = sessionLines(sessionData("recent.dat"));
    // A callsign with a Windows-1252 A umlaut, on a line that is otherwise ASCII.
    lines.push_back(test::SessionFixture::pilotLine({{0,
                                                      "\xC4"
                                                      "BC99"},
                                                     {2, "Pilot \xC4"}}));
    home.write("radar/recent.dat", joined(lines));
    connect();
    EXPECT_EQ(window().LstDeparture.items, (Items{"ABC12", "XYZ345",
                                                  "\xC3\x84"
                                                  "BC99"}));
    app->click("Command3(1)");
    app->select("LstDeparture", 2);
    ASSERT_TRUE(state().DeparturePlan.has_value());
    EXPECT_EQ(state().FlightPlan.PilotInCommand, "Pilot \xC3\x84");
    EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace corvane
