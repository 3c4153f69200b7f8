#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "ScriptRunner.h"
#include "support/TempFolder.h"

namespace corvane::test {

/// A script handed to the driver one line at a time, with a step of the test run before the
/// line that names it.
class SteppedScript : public std::streambuf {
public:
    SteppedScript(const std::string& script,
                  const std::map<std::string, std::function<void()>>& steps)
        : script_(script), steps_(steps) {}

protected:
    int_type underflow() override {
        if (next_ >= script_.size()) {
            return traits_type::eof();
        }
        const std::size_t end = std::min(script_.find('\n', next_), script_.size());
        const auto step = steps_.find(script_.substr(next_, end - next_));
        if (step != steps_.end()) {
            step->second();
        }
        line_ = script_.substr(next_, end - next_) + "\n";
        next_ = end + 1;
        setg(line_.data(), line_.data(), line_.data() + line_.size());
        return traits_type::to_int_type(line_.front());
    }

private:
    std::string script_;
    const std::map<std::string, std::function<void()>>& steps_;
    std::size_t next_ = 0;
    std::string line_;
};

/// A program folder with a DATA subfolder, and the headless driver run on it in-process: the
/// JSON documents of its dumps and what it wrote on standard error.
class DriverSession : public ::testing::Test {
protected:
    using Json = nlohmann::json;

    DriverSession() { home.write("DATA/.keep", ""); }

    /// A change the test makes to the files while a session runs.
    using Step = std::function<void()>;

    /// Runs `script` through the driver; returns the exit status and fills `dumps`, `errors`.
    int run(const std::string& script) {
        std::istringstream in(script);
        return run(in);
    }
    /// Runs `script` as run() does; just before the driver reads a line that is a key of
    /// `steps` (a comment, which the driver skips), that step runs.
    int run(const std::string& script, const std::map<std::string, Step>& steps) {
        SteppedScript buffer(script, steps);
        std::istream in(&buffer);
        return run(in);
    }
    int run(std::istream& in) {
        std::ostringstream out;
        std::ostringstream err;
        ScriptRunner runner(home.path(), out, err);
        const int status = runner.run(in);
        dumps.clear();
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);) {
            dumps.push_back(Json::parse(line));
        }
        errors = err.str();
        return status;
    }

    /// Settings pointing at the clearance test airport EDDT (tower of JANE DOE): departures
    /// ABC12 and XYZ345, arrival ABC123, and two aircraft elsewhere that squawk 2301 and 2304,
    /// codes of the EDDT range 2301-2377.
    void useClearanceAirport() {
        const std::filesystem::path data = std::filesystem::path(CORVANE_TEST_DATA) / "clearance";
        home.write("radar/recent.dat", slurp(data / "session" / "recent.dat"));
        home.write("DATA/ssr_code.txt", slurp(data / "session" / "ssr_code.txt"));
        home.write("DATA/airlines.dat", slurp(data / "session" / "airlines.dat"));
        home.write("SIDSTARS/EDDT.txt", slurp(data / "EDDT.txt"));
        home.write("DATA/dirRecent.txt", home.file("radar/recent.dat") + "\r\n");
        home.write("DATA/dirSidStar.txt", home.file("SIDSTARS") + "\r\n");
    }

    /// The bytes of a file.
    static std::string slurp(const std::filesystem::path& path) {
        return readFileBytes(path.string());
    }

    TempFolder home;
    std::vector<Json> dumps;
    std::string errors;
};

}  // namespace corvane::test
