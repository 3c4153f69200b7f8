// corvane-script: runs the program's logic from a script of user actions, without a window.
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "ScriptRunner.h"
#include "common/CommandLine.h"
#include "common/ProgramVersion.h"
#include "platform/LocalFileSystem.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolderLocator.h"
#include "platform/SystemServices.h"

namespace {

constexpr const char* kUsage = "Usage: corvane-script [--home DIR] [SCRIPT]\n";

const corvane::CommandLine::Grammar& grammar() {
    static const corvane::CommandLine::Grammar table{
        .options = {{"--home", "DIR",
                     "the program folder holding DATA; without it, the folder the window uses\n"
                     "(CORVANE_HOME, the executable's folder, or the per-user folder)"},
                    corvane::CommandLine::helpOption(),
                    corvane::CommandLine::versionOption()},
        .positionals = 1,
    };
    return table;
}

std::string help() {
    return std::string(kUsage) +
           "Runs ATC Corvane's logic without a window, one user action per line of SCRIPT (or of\n"
           "standard input), and prints the window's state as JSON Lines at each 'dump'.\n"
           "\n"
           "Options:\n" +
           corvane::CommandLine::optionLines(grammar().options, 15) +
           "\n"
           "Commands:\n"
           "  screen, clock, answer, folder, start, type, key, paste, click, select, pick, tick,\n"
           "  activate, refresh, close-sheet, close-window, dump\n"
           "\n"
           "Exit status:\n"
           "  0  every line ran\n"
           "  2  a bad line or option, or an unusable program folder\n"
           "  3  a Yes/No question with no answer queued\n"
           "\n"
           "The full contract: docs/SCRIPT-DRIVER.md.\n";
}

int usage() {
    std::cerr << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    corvane::useBinaryStandardStreams();
    std::vector<std::string> arguments = corvane::commandLineArguments(argc, argv);
    const std::string program = arguments.empty() ? std::string() : arguments[0];
    if (!arguments.empty()) {
        arguments.erase(arguments.begin());
    }
    std::string error;
    const auto given = corvane::CommandLine::parse(grammar(), arguments, error);
    if (!given) {
        return usage();
    }
    if (given->has("--help")) {
        std::cout << help();
        return 0;
    }
    if (given->has("--version")) {
        std::cout << corvane::ProgramVersion::text("corvane-script");
        return 0;
    }
    std::optional<std::string> home;
    if (given->has("--home")) {
        home = given->value("--home");
    }
    const std::string scriptPath =
        given->positionals.empty() ? std::string() : given->positionals[0];
    corvane::LocalFileSystem files;
    const auto folder = corvane::ProgramFolderLocator::locate(
        corvane::ProgramFolderLocator::fromEnvironment(home, program), files, error);
    if (!folder) {
        std::cerr << "corvane-script: " << error << '\n';
        return 2;
    }
    corvane::ScriptRunner runner(*folder, std::cout, std::cerr);
    if (scriptPath.empty()) {
        return runner.run(std::cin);
    }
    std::ifstream script(corvane::nativePath(scriptPath), std::ios::binary);
    if (!script) {
        std::cerr << "corvane-script: cannot open " << scriptPath << '\n';
        return 2;
    }
    return runner.run(script);
}
