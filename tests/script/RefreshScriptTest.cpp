#include <gtest/gtest.h>

#include "DriverSession.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/CaseName.h"

namespace corvane {
namespace {

using Json = nlohmann::json;
using Items = std::vector<std::string>;

constexpr const char* kStation =
    "EDDT_TWR:123456:JANE DOE:5:::Test Tower:50.0333:8.5706:::::EDDT INFORMATION L Q0998";
// XYZ345 has taken off and climbs towards LIRF.
constexpr const char* kXyzClimbing =
    "XYZ345:345678:Test Pilot:PILOT::::49.0:9.0::ZZZZ:9000:280::A320:1/A320/M-SDFGRWY/S:EDDT:::"
    "50.0:8.5:LIRF:::41.8:12.2:LIRN::F360:N0450:I:930:150:330:ABCDEF ANEKI Y163:RMK/TCAS:2303:::"
    ":::EDGG:EDGG:LIRR:150:S";
constexpr const char* kNewDeparture =
    "NEW7:345678:Test Pilot:PILOT::::50.03:8.57::ZZZZ:364:0::A320:1/A320/M-SDFGRWY/S:EDDT:::"
    "50.0:8.5:LIRF:::41.8:12.2:LIRN::F360:N0450:I:930:150:330:ABCDEF ANEKI Y163:RMK/TCAS:2306:::"
    ":::EDGG:EDGG:LIRR:150:S";

// Connected to the clearance test airport EDDT: ABC12 cleared, XYZ345 selected on the
// departure side and ABC123 on the arrival side (analysed last), with the runways, SID, climb
// and descent chosen.
constexpr const char* kSession =
    "clock 14:45\nstart\ntype TxtOperatorName JANE DOE\nclick CmdExecute\n"
    "click Command3(1)\npick LstDeparture ABC12\npick CmbTORwy 25L\nselect CmbSid 1\n"
    "type TxtInClimb 120\nclick cmdSidGen\npick LstDeparture XYZ345\n"
    "click Command3(3)\npick LstArrival ABC123\npick cmbLandRwy 25R\ntype txtDescend 70\n";

class RefreshScriptTest : public test::DriverSession {
protected:
    RefreshScriptTest() { useClearanceAirport(); }

    // The session's snapshot lines but for the station line and the aircraft named in `drop`,
    // with `extra` lines after them.
    std::string snapshotWith(const std::string& station, const std::vector<std::string>& drop,
                             const std::vector<std::string>& extra) {
        std::istringstream lines(home.read("radar/recent.dat"));
        std::string bytes = station.empty() ? "" : station + "\r\n";
        for (std::string line; std::getline(lines, line);) {
            const std::string callsign = line.substr(0, line.find(':'));
            if (callsign != "EDDT_TWR" &&
                std::find(drop.begin(), drop.end(), callsign) == drop.end()) {
                bytes += line + "\n";
            }
        }
        for (const std::string& line : extra) {
            bytes += line + "\r\n";
        }
        return bytes;
    }
};

TEST_F(RefreshScriptTest, ListsSelectionAnalysisAndQnhFollowTheSnapshot) {
    const std::string movedOn =
        snapshotWith(kStation, {"XYZ345", "ABC123"}, {kXyzClimbing, kNewDeparture});
    const std::map<std::string, Step> steps = {{"# the radar client rewrites the snapshot",
                                                [&] { home.write("radar/recent.dat", movedOn); }}};
    ASSERT_EQ(run(std::string(kSession) +
                      "dump\n# the radar client rewrites the snapshot\nrefresh\ndump\n"
                      "click lblQNH\ndump\n",
                  steps),
              0)
        << errors;
    ASSERT_EQ(dumps.size(), 3u);
    const Json& before = dumps[0];
    const Json& after = dumps[1];

    // NEW7 joins, ABC123 has gone with its selection, ABC12 stays out as cleared.
    EXPECT_EQ(after["items"]["LstDeparture"], (Items{"XYZ345", "NEW7"}));
    EXPECT_EQ(after["selected"]["LstDeparture"], 0);
    EXPECT_EQ(after["items"]["LstArrival"], Items{});
    EXPECT_EQ(after["selected"]["LstArrival"], -1);
    EXPECT_EQ(after["items"]["List1"], before["items"]["List1"]);

    // XYZ345 is analysed again where it is now.
    EXPECT_EQ(before["text"]["lblCurrentAlt"], "364");
    EXPECT_EQ(after["text"]["lblCurrentAlt"], "9000");
    EXPECT_EQ(after["text"]["lblCurrentSpeed"], "280");
    EXPECT_EQ(after["text"]["lblRemainNm"], "452");
    EXPECT_EQ(after["text"]["lblPosDep"], "CLIMBING");
    EXPECT_EQ(after["text"]["lblParam"], "N O R M A L");
    // The arrival side, which owns the shared labels, keeps them; its aircraft's own fields
    // are emptied.
    EXPECT_EQ(after["text"]["Label1(11)"], "LIRF");
    EXPECT_EQ(after["text"]["LblAltArr"], "");
    EXPECT_EQ(after["text"]["lblPosArr"], "");
    EXPECT_EQ(after["timers"]["Timer2"], false);

    // The new QNH, its derived values, and the highlight until the click.
    EXPECT_EQ(after["text"]["LblAtisInf"], "EDDT INFORMATION L Q0998");
    EXPECT_EQ(after["text"]["lblQNH"], "0998");
    EXPECT_EQ(after["text"]["lblPollici"], "29.47");
    EXPECT_EQ(after["text"]["lblTL"], "65");
    EXPECT_EQ(before["back"]["lblQNH"], 65535);
    EXPECT_EQ(after["back"]["lblQNH"], 33023);
    EXPECT_EQ(after["back"]["lblPollici"], 33023);
    EXPECT_EQ(dumps[2]["back"]["lblQNH"], 65535);
    EXPECT_EQ(dumps[2]["back"]["lblPollici"], 65535);

    // Nothing chosen or typed is lost, the focus stays, no message box is shown.
    for (const char* field : {"CmbTORwy", "CmbSid", "TxtInClimb", "cmbLandRwy", "txtDescend"}) {
        EXPECT_EQ(after["text"][field], before["text"][field]) << field;
    }
    EXPECT_EQ(after["focus"], before["focus"]);
    EXPECT_EQ(after["messages"], before["messages"]);
}

struct UnreadyCase {
    std::string name;
    // The snapshot's bytes now, from the bytes the connect read; nothing: no file.
    std::function<std::optional<std::string>(const std::string&)> snapshot;
};

class RefreshUnreadyTest : public RefreshScriptTest,
                           public ::testing::WithParamInterface<UnreadyCase> {};

TEST_P(RefreshUnreadyTest, LeavesEverythingAsItWas) {
    const std::string path = home.file("radar/recent.dat");
    const std::map<std::string, Step> steps = {{"# the snapshot is being rewritten", [&] {
                                                    const auto bytes = GetParam().snapshot(
                                                        home.read("radar/recent.dat"));
                                                    std::filesystem::remove(path);
                                                    if (bytes) {
                                                        home.write("radar/recent.dat", *bytes);
                                                    }
                                                }}};
    ASSERT_EQ(
        run(std::string(kSession) + "dump\n# the snapshot is being rewritten\nrefresh\ndump\n",
            steps),
        0)
        << errors;
    ASSERT_EQ(dumps.size(), 2u);
    EXPECT_EQ(dumps[1], dumps[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Snapshots, RefreshUnreadyTest,
    ::testing::Values(
        UnreadyCase{"Missing", [](const std::string&) { return std::optional<std::string>(); }},
        UnreadyCase{"Empty", [](const std::string&) { return std::optional<std::string>(""); }},
        UnreadyCase{"CutInsideALine",
                    [](const std::string& bytes) {
                        return std::optional<std::string>(bytes.substr(0, bytes.size() / 2));
                    }},
        UnreadyCase{"WithoutTheStationLine",
                    [](const std::string& bytes) {
                        return std::optional<std::string>(bytes.substr(bytes.find('\n') + 1));
                    }}),
    test::caseName<UnreadyCase>);

}  // namespace
}  // namespace corvane
