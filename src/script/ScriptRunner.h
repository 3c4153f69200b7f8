#pragma once

#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "ScriptPlatform.h"
#include "app/MainWindowController.h"

namespace corvane {

/// Runs a driver script line by line against the program's logic and writes a JSON document
/// for every `dump`.
class ScriptRunner {
public:
    /// Exit status: every line ran.
    static constexpr int kOk = 0;
    /// Exit status: a bad line stopped the script.
    static constexpr int kBadLine = 2;
    /// Exit status: a Yes/No box had no queued answer.
    static constexpr int kUnanswered = 3;

    /// `files`, when given, stands for the machine's files and must outlive the runner.
    ScriptRunner(std::string programFolder, std::ostream& out, std::ostream& errors,
                 FileSystem* files = nullptr);

    /// Returns the exit status.
    int run(std::istream& script);

private:
    /// Runs one line; returns "" when it ran, otherwise the reason it is a bad line.
    std::string runLine(const std::string& command, const std::vector<std::string>& arguments);
    std::string runWindowCommand(const std::string& command,
                                 const std::vector<std::string>& arguments);
    std::string runSetupCommand(const std::string& command,
                                const std::vector<std::string>& arguments, bool& handled);
    std::string pickIndex(const std::string& control, const std::string& text, int& index) const;
    std::string describe(ActionResult result, const std::string& control,
                         const std::string& argument) const;
    void dump();

    std::string programFolder_;
    std::ostream& out_;
    std::ostream& errors_;
    ScriptPlatform platform_;
    std::unique_ptr<MainWindowController> controller_;
};

}  // namespace corvane
