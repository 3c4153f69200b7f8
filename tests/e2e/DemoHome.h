#pragma once

#include <filesystem>
#include <sstream>
#include <string>

#include "TrafficSimulator.h"
#include "support/TempFolder.h"

namespace corvane::test {

/// A program folder set up the way the demo sets one up: the bundled DATA files, settings that
/// point at a snapshot in a "radar" folder beside them and at the bundled procedure files.
class DemoHome {
public:
    DemoHome() {
        const std::filesystem::path data = CORVANE_DEMO_DATA;
        for (const char* name : {"DATA/ssr_code.txt", "DATA/airlines.dat"}) {
            home.write(name, readFileBytes((data / name).string()));
        }
        home.write("DATA/dirRecent.txt", snapshotPath() + "\r\n");
        home.write("DATA/dirSidStar.txt", (data / "SIDSTARS").string() + "\r\n");
        home.write("radar/recent.dat", "");
    }

    /// Where the radar client (here: the simulator) keeps the snapshot.
    std::string snapshotPath() const { return home.file("radar/recent.dat"); }

    /// Replaces the snapshot with what `simulator` shows now, as the radar client rewrites it.
    void publish(const sim::TrafficSimulator& simulator) const {
        std::ostringstream out;
        simulator.writeSnapshot(out);
        home.write("radar/recent.dat", out.str());
    }

    TempFolder home;
};

}  // namespace corvane::test
