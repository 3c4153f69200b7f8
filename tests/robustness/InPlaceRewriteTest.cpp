// The radar client rewrites the snapshot in place (truncate, then write) while the program
// reads it: thousands of connects and analyses, each ending in the station and its lists or in
// a clear message, never in a crash or a hang.
#include <atomic>
#include <chrono>
#include <thread>

#include "SessionFixture.h"
#include "SnapshotPublisher.h"
#include "TrafficSimulator.h"
#include "window/ShownText.h"

namespace corvane {
namespace {

class InPlaceRewriteTest : public test::SessionFixture {};

TEST_F(InPlaceRewriteTest, ConnectsAndAnalysesEndInTheStationOrAClearMessage) {
    for (const char* file : {"SIDSTARS/EDDF.txt", "DATA/ssr_code.txt", "DATA/airlines.dat"}) {
        home.write(file, test::readFileBytes(std::string(CORVANE_PROGRAM_DATA "/") + file));
    }
    const std::string snapshot = home.file("radar/recent.dat");
    sim::TrafficSimulator simulator(7, 60);
    std::string error;
    ASSERT_TRUE(sim::SnapshotPublisher(snapshot, true).publish(simulator, error)) << error;
    std::atomic<bool> stop{false};
    std::atomic<long> rewrites{0};
    std::thread writer([&, simulator]() mutable {
        for (std::string ignored; !stop; ++rewrites) {
            simulator.advance(5.0);
            sim::SnapshotPublisher(snapshot, true).publish(simulator, ignored);
            // A pause as between two radar updates, so that reads also meet whole files.
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    int connects = 0;
    int analyses = 0;
    for (int round = 0; round < 2500; ++round) {
        app->click("Command3(7)");
        connect();
        if (window().topStrip.callsign.text != "EDDF_APP") {
            continue;  // a read of the emptied file: the account message, checked below
        }
        ++connects;
        for (const auto& [panel, list] :
             {std::pair("Command3(1)", "LstDeparture"), std::pair("Command3(3)", "LstArrival")}) {
            app->click(panel);
            const auto count = static_cast<int>(window().list(list)->items.size());
            analyses += count > 0 && app->select(list, round % count) == ActionResult::Done;
        }
    }
    stop = true;
    writer.join();
    EXPECT_GT(rewrites.load(), 0);
    EXPECT_GT(connects, 0);
    EXPECT_GT(analyses, 0);
    EXPECT_TRUE(everyMessageIsAnExclamation());
    for (const auto& text : messages()) {
        // Every message is one the program states for a short or missing snapshot.
        EXPECT_TRUE(text.rfind("PAY ATTENTION!!! ", 0) == 0 || text == "QNH NOT PRESENT IN ATIS" ||
                    text.rfind("AIRPORT ICAO CODE NOT PRESENT", 0) == 0)
            << text;
    }
}

}  // namespace
}  // namespace corvane
