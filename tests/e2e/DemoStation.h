#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "DemoHome.h"
#include "app/MainWindowController.h"
#include "support/FakePlatform.h"

namespace corvane::test {

/// The demo controller's main window on a DemoHome: JANE DOE at EDDF_APP.
class DemoStation {
public:
    static constexpr const char* kAccount = "JANE DOE";

    explicit DemoStation(const DemoHome& demo) : app(platform, demo.home.path()) { app.start(); }

    /// Types the account and presses "CONNECT TO IVAO SERVER".
    void connect(const std::string& account = kAccount) {
        for (const char c : account) {
            app.keyPress("TxtOperatorName", static_cast<unsigned char>(c));
        }
        ASSERT_EQ(app.click("CmdExecute"), ActionResult::Done);
    }

    /// "RESET", then a new connect: the traffic lists are read again.
    void reconnect() {
        ASSERT_EQ(app.click("Command3(7)"), ActionResult::Done);
        connect();
    }

    /// Clicks the first item of `list` that reads `callsign`; false when the list has none.
    bool click(const std::string& list, const std::string& callsign) {
        const auto& items = list == "LstDeparture" ? app.window().LstDeparture.items
                                                   : app.window().LstArrival.items;
        const auto found = std::find(items.begin(), items.end(), callsign);
        if (found == items.end()) {
            return false;
        }
        return app.select(list, static_cast<int>(found - items.begin())) == ActionResult::Done;
    }

    MainWindowModel& window() { return app.window(); }

    FakePlatform platform;
    MainWindowController app;
};

}  // namespace corvane::test
