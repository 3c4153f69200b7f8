// The radar client rewrites the snapshot in place (truncate, then write) while the program
// reads it: thousands of connects and analyses, each ending in the station and its lists or in
// a clear message, never in a crash or a hang.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "SessionFixture.h"
#include "SnapshotPublisher.h"
#include "TrafficSimulator.h"

namespace corvane {
namespace {

constexpr int kRounds = 2500;

class InPlaceRewriteTest : public test::SessionFixture {
protected:
    InPlaceRewriteTest() {
        const std::string data = CORVANE_PROGRAM_DATA;
        home.write("SIDSTARS/EDDF.txt", fileBytes(data + "/SIDSTARS/EDDF.txt"));
        home.write("DATA/ssr_code.txt", fileBytes(data + "/DATA/ssr_code.txt"));
        home.write("DATA/airlines.dat", fileBytes(data + "/DATA/airlines.dat"));
    }
    ~InPlaceRewriteTest() override {
        stop_ = true;
        if (writer_.joinable()) {
            writer_.join();
        }
    }
    static std::string fileBytes(const std::string& path) { return test::readFileBytes(path); }

    // Starts the simulator rewriting the snapshot in place, as fast as it can.
    void startWriter() {
        sim::TrafficSimulator simulator(7, 60);
        std::string error;
        ASSERT_TRUE(sim::SnapshotPublisher(snapshotPath(), true).publish(simulator, error));
        writer_ = std::thread([this, simulator]() mutable {
            const sim::SnapshotPublisher publisher(snapshotPath(), true);
            std::string ignored;
            while (!stop_) {
                simulator.advance(5.0);
                publisher.publish(simulator, ignored);
                ++rewrites_;
                // A pause as between two radar updates, so that reads also meet whole files.
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    }

    std::atomic<bool> stop_{false};
    std::atomic<long> rewrites_{0};
    std::thread writer_;
};

TEST_F(InPlaceRewriteTest, ConnectsAndAnalysesEndInTheStationOrAClearMessage) {
    startWriter();
    int connects = 0;
    int analyses = 0;
    for (int round = 0; round < kRounds; ++round) {
        app->click("Command3(7)");
        connect();
        if (window().LblPositionName.text != "EDDF_APP") {
            continue;  // a read of the emptied file: the account message, checked below
        }
        ++connects;
        app->click("Command3(1)");
        if (!window().LstDeparture.items.empty()) {
            app->select("LstDeparture",
                        round % static_cast<int>(window().LstDeparture.items.size()));
            ++analyses;
        }
        app->click("Command3(3)");
        if (!window().LstArrival.items.empty()) {
            app->select("LstArrival", round % static_cast<int>(window().LstArrival.items.size()));
            ++analyses;
        }
    }
    stop_ = true;
    writer_.join();
    EXPECT_GT(rewrites_.load(), 0);
    EXPECT_GT(connects, 0);
    EXPECT_GT(analyses, 0);
    EXPECT_TRUE(state().running);
    EXPECT_TRUE(everyMessageIsAnExclamation());
    for (const auto& text : messages()) {
        // Every message is one the program states for a short or missing snapshot.
        const bool known = text.rfind("PAY ATTENTION!!! ", 0) == 0 ||
                           text == "QNH NOT PRESENT IN ATIS" ||
                           text.rfind("AIRPORT ICAO CODE NOT PRESENT", 0) == 0;
        EXPECT_TRUE(known) << text;
    }
    RecordProperty("connects", connects);
    RecordProperty("analyses", analyses);
    RecordProperty("rewrites", static_cast<int>(rewrites_.load()));
}

}  // namespace
}  // namespace corvane
