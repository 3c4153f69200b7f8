// corvane-feed: keeps a traffic snapshot (recent.dat) made from IVAO's public network feed.

#include <atomic>
#include <chrono>
#include <csignal>
#include <iostream>
#include <thread>

#include "FeedOptions.h"
#include "FeedRunner.h"
#include "common/ProgramVersion.h"

#ifdef __linux__
#include <sys/prctl.h>
#endif
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

std::atomic<bool> stopRequested{false};

void requestStop(int) {
    stopRequested = true;
}

// Started by the window, the reader must not outlive it, however the window ends: a killed
// window runs no code that could stop it. Linux sends SIGTERM the moment the parent dies;
// elsewhere on POSIX the loop sees the parent change. Windows: the window's job object.
// (Linux watches the thread that started the reader: the window starts it from its main one.)
void endWithParent(int parent) {
#ifdef __linux__
    if (parent != 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    }
#else
    static_cast<void>(parent);
#endif
}

bool parentAlive(int parent) {
#ifdef _WIN32
    static_cast<void>(parent);
    return true;
#else
    // Checked after the request above too: a parent gone before it was made sends nothing.
    return parent == 0 || ::getppid() == parent;
#endif
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
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    const int parent = options->parentPid;
    endWithParent(parent);
    if (!parentAlive(parent)) {
        return 0;
    }
    FeedRunner runner(*options, loadAirports(options->airports, std::cerr),
                      loadFirs(options->firs, std::cerr), std::cerr);
    if (options->once) {
        return runner.runOnce();
    }
    const auto keepGoing = [parent] { return !stopRequested.load() && parentAlive(parent); };
    return runner.run(keepGoing, [&keepGoing](int seconds) {
        for (int tenths = 0; tenths < seconds * 10 && keepGoing(); ++tenths) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });
}
