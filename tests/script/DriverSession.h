#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "ScriptRunner.h"
#include "support/TempFolder.h"

namespace corvane::test {

/// A program folder with a DATA subfolder, and the headless driver run on it in-process: the
/// JSON documents of its dumps and what it wrote on standard error.
class DriverSession : public ::testing::Test {
protected:
    using Json = nlohmann::json;

    DriverSession() { home.write("DATA/.keep", ""); }

    /// Runs `script` through the driver; returns the exit status and fills `dumps`, `errors`.
    int run(const std::string& script) {
        std::istringstream in(script);
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

    /// The bytes of a file.
    static std::string slurp(const std::filesystem::path& path) {
        return readFileBytes(path.string());
    }

    TempFolder home;
    std::vector<Json> dumps;
    std::string errors;
};

}  // namespace corvane::test
