#include "FuzzHome.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ScriptRunner.h"

namespace corvane::fuzz {

namespace {

std::string readSource(const std::string& relative) {
    std::ifstream in(std::string(CORVANE_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

const char* const kSessionScript =
    "start\n"
    "type TxtOperatorName jane doe\n"
    "click CmdExecute\n"
    "click Command3(0)\n"
    "click Command3(1)\n"
    "select LstDeparture 0\n"
    "select CmbTORwy 0\n"
    "select CmbSid 0\n"
    "type TxtInClimb 5000\n"
    "click cmdSidGen\n"
    "select LstDeparture 0\n"
    "select CmbSid 1\n"
    "click cmdSidGen\n"
    "select List1 0\n"
    "click cmdFPDep\n"
    "close-sheet\n"
    "click Command3(3)\n"
    "select LstArrival 0\n"
    "select cmbLandRwy 0\n"
    "select cmbStar 0\n"
    "select List3 0\n"
    "select List4 0\n"
    "type txtDescend 80\n"
    "click cmdStarGen\n"
    "select List2 0\n"
    "click cmdFPArr\n"
    "close-sheet\n"
    "select lstRulTum 14\n"
    "select List5 23\n"
    "tick Timer1 3\n"
    "answer yes\n"
    "click cmdRemoveDep\n"
    "answer no\n"
    "click cmdRemoveArr\n"
    "click Command3(7)\n"
    "type TxtOperatorName 123456\n"
    "click CmdExecute\n";

FuzzHome& FuzzHome::instance() {
    static FuzzHome home;
    return home;
}

FuzzHome::FuzzHome()
    : snapshot_(readSource("fuzz/corpus/snapshot/demo.dat")),
      procedures_(readSource("data/SIDSTARS/EDDF.txt")),
      squawks_(readSource("data/DATA/ssr_code.txt")),
      airlines_(readSource("data/DATA/airlines.dat")) {
    std::string pattern = (std::filesystem::temp_directory_path() / "corvane-fuzz-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
    std::filesystem::create_directories(path_ + "/DATA");
    std::filesystem::create_directories(path_ + "/radar");
    std::filesystem::create_directories(path_ + "/SIDSTARS");
}

void FuzzHome::writeFile(const std::string& relative, const std::string& bytes) const {
    std::ofstream(path_ + "/" + relative, std::ios::binary | std::ios::trunc) << bytes;
}

void FuzzHome::prepare(const std::string& relative, const std::string& bytes) {
    writeFile("DATA/dirRecent.txt", path_ + "/radar/recent.dat\r\n");
    writeFile("DATA/dirSidStar.txt", path_ + "/SIDSTARS\r\n");
    writeFile("radar/recent.dat", snapshot_);
    writeFile("SIDSTARS/EDDF.txt", procedures_);
    writeFile("DATA/ssr_code.txt", squawks_);
    writeFile("DATA/airlines.dat", airlines_);
    std::filesystem::remove(path_ + "/DATA/departure.txt");
    std::filesystem::remove(path_ + "/DATA/arrival.txt");
    if (!relative.empty()) {
        writeFile(relative, bytes);
    }
}

void FuzzHome::runEachLine(const std::string& script) {
    std::ostringstream out;
    std::ostringstream errors;
    ScriptRunner runner(path_, out, errors);
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream one(line + "\n");
        runner.run(one);
    }
}

}  // namespace corvane::fuzz
