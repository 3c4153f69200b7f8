#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "FaultPlatform.h"
#include "app/MainWindowController.h"
#include "support/TempFolder.h"

namespace corvane::test {

/// A program folder set up for the test airport EDDT (tower of JANE DOE): settings, snapshot,
/// squawk table 2301-2377, airline table and procedure file, with a started main window on a
/// platform whose writes can be refused. Departures ABC12 and XYZ345, arrival ABC123; two
/// aircraft elsewhere squawk 2301 and 2304.
class SessionFixture : public ::testing::Test {
protected:
    SessionFixture() {
        home.write("radar/recent.dat", sessionData("recent.dat"));
        home.write("DATA/ssr_code.txt", sessionData("ssr_code.txt"));
        home.write("DATA/airlines.dat", sessionData("airlines.dat"));
        home.write("SIDSTARS/EDDT.txt", testData("clearance/EDDT.txt"));
        home.write("DATA/dirRecent.txt", snapshotPath() + "\r\n");
        home.write("DATA/dirSidStar.txt", home.file("SIDSTARS") + "\r\n");
        app = std::make_unique<MainWindowController>(platform, home.path());
        app->start();
    }

    /// The bytes of a file under tests/data.
    static std::string testData(const std::string& relative) {
        return test::readFileBytes(std::string(CORVANE_TEST_DATA) + "/" + relative);
    }
    static std::string sessionData(const std::string& name) {
        return testData("clearance/session/" + name);
    }

    std::string snapshotPath() const { return home.file("radar/recent.dat"); }

    /// Types the account and presses the connect button.
    void connect(const std::string& account = "JANE DOE") {
        app->window().TxtOperatorName.text.clear();
        for (const char c : account) {
            app->keyPress("TxtOperatorName", static_cast<unsigned char>(c));
        }
        app->click("CmdExecute");
    }
    /// True when the last connect reached its end with the station's lists loaded.
    bool connected() const {
        return app->window().LblPositionName.text == "EDDT_TWR" &&
               app->state().AirportCode == "EDDT";
    }

    /// Selects the departure `callsign` and fills the panel's inputs; true when it is listed.
    bool prepareDeparture(const std::string& callsign) {
        app->click("Command3(1)");
        if (!selectItem("LstDeparture", window().LstDeparture.items, callsign)) {
            return false;
        }
        app->select("CmbTORwy", 0);
        app->select("CmbSid", 0);
        window().TxtInClimb.text.clear();
        for (const char c : std::string("120")) {
            app->keyPress("TxtInClimb", static_cast<unsigned char>(c));
        }
        return true;
    }
    /// Selects the arrival `callsign` and fills the panel's inputs; true when it is listed.
    bool prepareArrival(const std::string& callsign) {
        app->click("Command3(3)");
        if (!selectItem("LstArrival", window().LstArrival.items, callsign)) {
            return false;
        }
        app->select("cmbLandRwy", 0);
        app->select("cmbStar", 0);
        for (const char c : std::string("70")) {
            app->keyPress("txtDescend", static_cast<unsigned char>(c));
        }
        return true;
    }
    bool selectItem(const std::string& list, const std::vector<std::string>& items,
                    const std::string& text) {
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (items[i] == text) {
                app->select(list, static_cast<int>(i));
                return true;
            }
        }
        return false;
    }

public:
    /// A pilot line of 47 fields with the given values at the given field numbers.
    static std::string pilotLine(const std::vector<std::pair<int, std::string>>& values) {
        std::vector<std::string> fields = {"ABC12",
                                           "345678",
                                           "Test Pilot",
                                           "PILOT",
                                           "",
                                           "",
                                           "",
                                           "50.03",
                                           "8.57",
                                           "",
                                           "ZZZZ",
                                           "364",
                                           "0",
                                           "",
                                           "A320",
                                           "1/A320/M-SDFGRWY/S",
                                           "EDDT",
                                           "",
                                           "",
                                           "50.0",
                                           "8.5",
                                           "LIRF",
                                           "",
                                           "",
                                           "41.8",
                                           "12.2",
                                           "LIRN",
                                           "",
                                           "F360",
                                           "N0450",
                                           "I",
                                           "930",
                                           "150",
                                           "330",
                                           "ABC1A ANEKI Y163 NATOR",
                                           "RMK/TCAS",
                                           "2000",
                                           "",
                                           "",
                                           "",
                                           "",
                                           "",
                                           "EDGG",
                                           "EDGG",
                                           "LIRR",
                                           "150",
                                           "S"};
        for (const auto& [index, text] : values) {
            fields[static_cast<std::size_t>(index)] = text;
        }
        std::string line;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            line += (i == 0 ? "" : ":") + fields[i];
        }
        return line;
    }

protected:
    /// Every exclamation message is an OK box; the program never asks an unqueued question.
    bool everyMessageIsAnExclamation() const {
        for (const auto& message : platform.fake.messages) {
            if (message.icon != MessageIcon::Exclamation || message.buttons != MessageButtons::Ok) {
                return false;
            }
        }
        return true;
    }
    std::vector<std::string> messages() const { return platform.fake.messageTexts(); }
    MainWindowModel& window() { return app->window(); }
    ProgramState& state() { return app->state(); }

    TempFolder home;
    FaultPlatform platform;
    std::unique_ptr<MainWindowController> app;
};

}  // namespace corvane::test
