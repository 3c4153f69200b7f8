#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/AppFixture.h"
#include "support/CaseHome.h"
#include "support/SnapshotLines.h"
#include "window/ShownText.h"

namespace corvane::test {

/// A snapshot line of a departure from EDDT, at the airport and squawking 2000.
inline PilotLine departure(const std::string& callsign) {
    return PilotLine(callsign)
        .at(50.03, 8.57)
        .set(snapshot::DepAirport, "EDDT")
        .set(snapshot::Squawk, "2000");
}

/// A program folder for the test airport EDDT (tower of JANE DOE): settings, snapshot, squawk
/// table 2301-2377, airlines and procedures, and a started main window. Departures ABC12 and XYZ345
/// (squawking 2303), arrival ABC123; two aircraft elsewhere squawk 2301 and 2304.
class SessionFixture : public AppFixture {
protected:
    SessionFixture() {
        home.write("radar/recent.dat", sessionData("radar/recent.dat"));
        home.write("DATA/ssr_code.txt", sessionData("DATA/ssr_code.txt"));
        home.write("DATA/airlines.dat", sessionData("DATA/airlines.dat"));
        home.write("SIDSTARS/EDDT.txt", sessionData("SIDSTARS/EDDT.txt"));
        home.write("DATA/dirRecent.txt", home.file("radar/recent.dat") + "\r\n");
        home.write("DATA/dirSidStar.txt", home.file("SIDSTARS") + "\r\n");
        start();
    }

    /// A file of the program folder the driver's clearance cases start from.
    static std::string sessionData(const std::string& name) {
        return caseHomeFile("clearance", name);
    }

    /// Types the account and presses the connect button.
    void connect() {
        window().topStrip.account.text.clear();
        type("TxtOperatorName", "JANE DOE");
        app->click("CmdExecute");
    }
    /// True when the last connect reached its end with the station's lists loaded.
    bool connected() const { return app->window().topStrip.callsign.text == "EDDT_TWR"; }

    /// Selects the listed aircraft `callsign` on the departure (or arrival) panel and fills the
    /// panel's inputs; false when it is not listed.
    bool prepare(const std::string& callsign, bool arrival = false) {
        app->click(arrival ? "Command3(3)" : "Command3(1)");
        const auto& items =
            arrival ? window().arrival.traffic.items : window().departure.traffic.items;
        const auto found = std::find(items.begin(), items.end(), callsign);
        if (found == items.end()) {
            return false;
        }
        app->select(arrival ? "LstArrival" : "LstDeparture",
                    static_cast<int>(found - items.begin()));
        app->select(arrival ? "cmbLandRwy" : "CmbTORwy", 0);
        app->select(arrival ? "cmbStar" : "CmbSid", 0);
        (arrival ? window().arrival.clearedLevel : window().departure.clearedLevel).text.clear();
        type(arrival ? "txtDescend" : "TxtInClimb", arrival ? "70" : "120");
        return true;
    }

    /// Every message was an exclamation with OK: the program asked no question.
    bool everyMessageIsAnExclamation() const {
        return std::all_of(
            platform.messages.begin(), platform.messages.end(), [](const RecordedMessage& m) {
                return m.icon == MessageIcon::Exclamation && m.buttons == MessageButtons::Ok;
            });
    }
    std::vector<std::string> messages() const { return platform.messageTexts(); }
};

}  // namespace corvane::test
