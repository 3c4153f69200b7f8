#include "BenchHome.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "TrafficSimulator.h"

namespace corvane::bench {

namespace fs = std::filesystem;

BenchHome::BenchHome(std::size_t aircraft, std::size_t extraProcedureLines) {
    std::string pattern = (fs::temp_directory_path() / "corvane-bench-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    fs::create_directories(path_ + "/DATA");
    fs::create_directories(path_ + "/SIDSTARS");
    const std::string source = CORVANE_SOURCE_DIR;
    {
        // A wide range, so that a large snapshot still leaves free codes to hand out.
        std::ifstream in(source + "/data/DATA/ssr_code.txt", std::ios::binary);
        std::ofstream out(path_ + "/DATA/ssr_code.txt", std::ios::binary);
        out << "EDDF:0100:7677:5000\r\n" << in.rdbuf();
    }
    fs::copy_file(source + "/data/DATA/airlines.dat", path_ + "/DATA/airlines.dat");
    {
        // The real EDDF file, then many more procedure lines the selections must read through.
        std::ifstream in(source + "/data/SIDSTARS/EDDF.txt", std::ios::binary);
        std::ofstream out(path_ + "/SIDSTARS/EDDF.txt", std::ios::binary);
        out << in.rdbuf();
        for (std::size_t i = 0; i < extraProcedureLines; ++i) {
            out << "SID X" << i % 100000 << "\r\n RNW 25C TRK 249 UNTIL 1500 FIX DF" << i % 1000
                << "\r\nAPPROACH ILS25L" << i % 10 << " FIX DF" << i % 997 << "\r\n";
        }
    }
    std::ofstream(path_ + "/DATA/dirRecent.txt") << path_ << "/recent.dat\r\n";
    std::ofstream(path_ + "/DATA/dirSidStar.txt") << path_ << "/SIDSTARS\r\n";
    std::ofstream snapshot(path_ + "/recent.dat", std::ios::binary);
    sim::TrafficSimulator simulator(1, aircraft);
    simulator.advance(600);
    simulator.writeSnapshot(snapshot);
}

BenchHome::~BenchHome() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::unique_ptr<MainWindowController> BenchHome::connect() {
    auto app = std::make_unique<MainWindowController>(platform, path_);
    app->start();
    for (const char c : std::string("JANE DOE")) {
        app->keyPress("TxtOperatorName", static_cast<unsigned char>(c));
    }
    app->click("CmdExecute");
    return app;
}

}  // namespace corvane::bench
