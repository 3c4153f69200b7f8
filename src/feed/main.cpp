// corvane-feed: keeps a traffic snapshot (recent.dat) made from IVAO's public network feed.

#include <atomic>
#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

#include "FeedOptions.h"
#include "FeedRunner.h"
#include "common/ProgramVersion.h"

namespace {

std::atomic<bool> stopRequested{false};

void requestStop(int) {
    stopRequested = true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace corvane::feed;
    std::string error;
    const auto options = parseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "corvane-feed: " << error << '\n' << usage();
        return 2;
    }
    if (options->help) {
        std::cout << usage();
        return 0;
    }
    if (options->version) {
        std::cout << corvane::ProgramVersion::text("corvane-feed");
        return 0;
    }
    FeedRunner runner(*options, loadAirports(options->airports, std::cerr),
                      loadFirs(options->firs, std::cerr), std::cerr);
    if (options->once) {
        return runner.runOnce();
    }
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    return runner.run([] { return !stopRequested.load(); },
                      [](int seconds) {
                          for (int tenths = 0; tenths < seconds * 10 && !stopRequested; ++tenths) {
                              std::this_thread::sleep_for(std::chrono::milliseconds(100));
                          }
                      });
}
