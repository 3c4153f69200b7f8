// corvane-sim: keeps a simulated traffic snapshot moving for the demo and for tests.

#include <chrono>
#include <csignal>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "SimOptions.h"
#include "SnapshotPublisher.h"
#include "TrafficSimulator.h"
#include "common/ProgramVersion.h"
#include "platform/FilePublisher.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void onStopSignal(int) {
    stopRequested = 1;
}

// Sleeps in short steps so a stop signal ends the program promptly.
void sleepFor(double seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (stopRequested == 0 && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace corvane::sim;
    std::string error;
    const auto options = SimOptions::parse(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "corvane-sim: " << error << "\n" << SimOptions::usage();
        return 2;
    }
    if (options->help) {
        std::cout << SimOptions::usage();
        return 0;
    }
    if (options->version) {
        std::cout << corvane::ProgramVersion::text("corvane-sim");
        return 0;
    }
    if (!corvane::FilePublisher::isWritableTarget(options->outPath, error)) {
        std::cerr << "corvane-sim: --out: " << error << "\n" << SimOptions::usage();
        return 2;
    }
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);

    TrafficSimulator simulator(options->seed, options->aircraft);
    simulator.advance(options->startS);
    const SnapshotPublisher publisher(options->outPath, options->inPlace);
    while (stopRequested == 0) {
        if (!publisher.publish(simulator, error)) {
            std::cerr << "corvane-sim: " << error << "\n";
            return 1;
        }
        if (options->once) {
            break;
        }
        sleepFor(options->intervalS);
        simulator.advance(options->intervalS);
    }
    return 0;
}
