#include "FuzzHome.h"

#include <fstream>
#include <sstream>

#include "ScriptRunner.h"

namespace corvane::fuzz {

namespace {

std::string readSource(const std::string& relative) {
    std::ifstream in(std::string(CORVANE_SOURCE_DIR) + "/" + relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string firstLines(const std::string& text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t line = 0; line < count && end < text.size(); ++line) {
        const std::size_t newline = text.find('\n', end);
        end = newline == std::string::npos ? text.size() : newline + 1;
    }
    return text.substr(0, end);
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

// A few airlines and a few squawk ranges are enough for every step of the session (the whole
// bundled airline table would be read at every click).
FuzzHome::FuzzHome()
    : path_("/corvane-fuzz"),
      snapshot_(readSource("fuzz/corpus/snapshot/demo.dat")),
      procedures_(readSource("data/SIDSTARS/EDDF.txt")),
      squawks_(firstLines(readSource("data/DATA/ssr_code.txt"), 8)),
      airlines_(readSource("fuzz/corpus/airlines/airlines.dat")) {
    files_.makeFolder(path_ + "/DATA");
    files_.makeFolder(path_ + "/radar");
    files_.makeFolder(path_ + "/SIDSTARS");
}

void FuzzHome::prepare(const std::string& relative, const std::string& bytes) {
    files_.write(path_ + "/DATA/dirRecent.txt", path_ + "/radar/recent.dat\r\n");
    files_.write(path_ + "/DATA/dirSidStar.txt", path_ + "/SIDSTARS\r\n");
    files_.write(path_ + "/radar/recent.dat", snapshot_);
    files_.write(path_ + "/SIDSTARS/EDDF.txt", procedures_);
    files_.write(path_ + "/DATA/ssr_code.txt", squawks_);
    files_.write(path_ + "/DATA/airlines.dat", airlines_);
    files_.remove(path_ + "/DATA/departure.txt");
    files_.remove(path_ + "/DATA/arrival.txt");
    if (!relative.empty()) {
        files_.write(path_ + "/" + relative, bytes);
    }
}

void FuzzHome::runEachLine(const std::string& script) {
    std::ostringstream out;
    std::ostringstream errors;
    ScriptRunner runner(path_, out, errors, &files_);
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream one(line + "\n");
        runner.run(one);
    }
}

}  // namespace corvane::fuzz
