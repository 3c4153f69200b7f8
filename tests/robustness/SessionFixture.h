#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/MainWindowController.h"
#include "support/CaseName.h"
#include "support/CaseTable.h"
#include "support/FakePlatform.h"
#include "support/SnapshotLines.h"
#include "support/TempFolder.h"

namespace corvane::test {

/// A snapshot line of a departure from EDDT, at the airport and squawking 2000.
inline PilotLine departure(const std::string& callsign) {
    return PilotLine(callsign)
        .at(50.03, 8.57)
        .set(snapshot::DepAirport, "EDDT")
        .set(snapshot::Squawk, "2000");
}

/// The real file system, except that every write (replace, append, delete) can be refused with
/// `failure`, as a read-only DATA folder or a full disk does. The tests run as root, where a
/// chmod does not stop a write, so the refusal is made here.
class WriteFailingFileSystem final : public FileSystem {
public:
    explicit WriteFailingFileSystem(FileSystem& inner) : inner_(inner) {}

    /// When true, every write fails with `failure` and changes nothing.
    bool denyWrites = false;
    /// The status a refused write gives.
    FileStatus failure = FileStatus::AccessDenied;

    bool exists(const std::string& path) const override { return inner_.exists(path); }
    bool isDirectory(const std::string& path) const override { return inner_.isDirectory(path); }
    std::unique_ptr<LineSource> openLines(const std::string& path, FileStatus& status) override {
        return inner_.openLines(path, status);
    }
    std::unique_ptr<LineSource> openOwnLines(const std::string& path, FileStatus& status) override {
        return inner_.openOwnLines(path, status);
    }
    FileStatus replaceFile(const std::string& path,
                           const std::vector<std::string>& lines) override {
        return denyWrites ? failure : inner_.replaceFile(path, lines);
    }
    FileStatus appendLine(const std::string& path, std::string_view line) override {
        return denyWrites ? failure : inner_.appendLine(path, line);
    }
    FileStatus remove(const std::string& path) override {
        return denyWrites ? failure : inner_.remove(path);
    }
    void removeStaleTemporaries(const std::string& path) override {
        if (!denyWrites) {
            inner_.removeStaleTemporaries(path);
        }
    }
    std::optional<std::string> findIgnoringCase(const std::string& folder,
                                                const std::string& name) const override {
        return inner_.findIgnoringCase(folder, name);
    }

private:
    FileSystem& inner_;
};

/// The fake platform of the core tests on a file system whose writes can be refused.
class FaultPlatform final : public Platform {
public:
    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override {
        return fake.showMessage(text, title, icon, buttons);
    }
    std::optional<std::string> browseForFolder(const std::string& prompt) override {
        return fake.browseForFolder(prompt);
    }
    ScreenSize screenSize() const override { return fake.screenSize(); }
    ClockTime localTime() const override { return fake.localTime(); }
    FileSystem& files() override { return faulty; }

    FakePlatform fake;
    WriteFailingFileSystem faulty{fake.fileSystem};
};

/// A program folder for the test airport EDDT (tower of JANE DOE): settings, snapshot, squawk
/// table 2301-2377, airlines and procedures, and a started main window on a platform whose
/// writes can be refused. Departures ABC12 and XYZ345 (squawking 2303), arrival ABC123; two
/// aircraft elsewhere squawk 2301 and 2304.
class SessionFixture : public ::testing::Test {
protected:
    SessionFixture() {
        home.write("radar/recent.dat", sessionData("radar/recent.dat"));
        home.write("DATA/ssr_code.txt", sessionData("DATA/ssr_code.txt"));
        home.write("DATA/airlines.dat", sessionData("DATA/airlines.dat"));
        home.write("SIDSTARS/EDDT.txt", sessionData("SIDSTARS/EDDT.txt"));
        home.write("DATA/dirRecent.txt", home.file("radar/recent.dat") + "\r\n");
        home.write("DATA/dirSidStar.txt", home.file("SIDSTARS") + "\r\n");
        app = std::make_unique<MainWindowController>(platform, home.path());
        app->start();
    }

    /// The bytes of a file under tests/data.
    static std::string testData(const std::string& relative) {
        return readFileBytes(std::string(CORVANE_TEST_DATA) + "/" + relative);
    }
    /// A file of the program folder the driver's clearance cases start from.
    static std::string sessionData(const std::string& name) {
        return testData("script/clearance/home/" + name);
    }

    /// Types `text` key by key into `control`.
    void type(const std::string& control, const std::string& text) {
        for (const char c : text) {
            app->keyPress(control, static_cast<unsigned char>(c));
        }
    }
    /// Types the account and presses the connect button.
    void connect() {
        window().TxtOperatorName.text.clear();
        type("TxtOperatorName", "JANE DOE");
        app->click("CmdExecute");
    }
    /// True when the last connect reached its end with the station's lists loaded.
    bool connected() const { return app->window().LblPositionName.text == "EDDT_TWR"; }

    /// Selects the listed aircraft `callsign` on the departure (or arrival) panel and fills the
    /// panel's inputs; false when it is not listed.
    bool prepare(const std::string& callsign, bool arrival = false) {
        app->click(arrival ? "Command3(3)" : "Command3(1)");
        const auto& items = arrival ? window().LstArrival.items : window().LstDeparture.items;
        const auto found = std::find(items.begin(), items.end(), callsign);
        if (found == items.end()) {
            return false;
        }
        app->select(arrival ? "LstArrival" : "LstDeparture",
                    static_cast<int>(found - items.begin()));
        app->select(arrival ? "cmbLandRwy" : "CmbTORwy", 0);
        app->select(arrival ? "cmbStar" : "CmbSid", 0);
        (arrival ? window().txtDescend : window().TxtInClimb).text.clear();
        type(arrival ? "txtDescend" : "TxtInClimb", arrival ? "70" : "120");
        return true;
    }

    /// Every message was an exclamation with OK: the program asked no question.
    bool everyMessageIsAnExclamation() const {
        return std::all_of(platform.fake.messages.begin(), platform.fake.messages.end(),
                           [](const RecordedMessage& m) {
                               return m.icon == MessageIcon::Exclamation &&
                                      m.buttons == MessageButtons::Ok;
                           });
    }
    std::vector<std::string> messages() const { return platform.fake.messageTexts(); }
    MainWindowModel& window() { return app->window(); }
    ProgramState& state() { return app->state(); }

    TempFolder home;
    FaultPlatform platform;
    std::unique_ptr<MainWindowController> app;
};

}  // namespace corvane::test
