#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "TrafficSimulator.h"
#include "support/TempFolder.h"

namespace corvane::test {

/// A program folder set up the way the demo sets one up: the bundled DATA files, settings that
/// point at a snapshot in a "radar" folder beside them and at the bundled procedure files.
class DemoHome {
public:
    /// The folder holding the bundled demo data (DATA, SIDSTARS).
    static std::filesystem::path demoData() { return CORVANE_DEMO_DATA; }

    DemoHome() {
        for (const char* name : {"ssr_code.txt", "airlines.dat"}) {
            home.write(std::string("DATA/") + name, slurp(demoData() / "DATA" / name));
        }
        home.write("DATA/dirRecent.txt", snapshotPath() + "\r\n");
        home.write("DATA/dirSidStar.txt", (demoData() / "SIDSTARS").string() + "\r\n");
        home.write("radar/recent.dat", "");
    }

    /// Where the radar client (here: the simulator) keeps the snapshot.
    std::string snapshotPath() const { return home.file("radar/recent.dat"); }

    /// The snapshot `simulator` shows at its present time, as text.
    static std::string snapshotOf(const sim::TrafficSimulator& simulator) {
        std::ostringstream out;
        simulator.writeSnapshot(out);
        return out.str();
    }

    /// Replaces the snapshot with `text`, as the radar client rewrites it.
    void publish(const std::string& text) const { home.write("radar/recent.dat", text); }

    /// The bytes of a whole file.
    static std::string slurp(const std::filesystem::path& path) {
        return readFileBytes(path.string());
    }

    TempFolder home;
};

}  // namespace corvane::test
