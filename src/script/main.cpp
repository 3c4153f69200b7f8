// corvane-script: runs the program's logic from a script of user actions, without a window.
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "ScriptRunner.h"
#include "common/ProgramVersion.h"
#include "platform/LocalFileSystem.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolderLocator.h"
#include "platform/SystemServices.h"

namespace {

constexpr const char* kUsage = "Usage: corvane-script [--home DIR] [SCRIPT]\n";

constexpr const char* kHelp =
    "Runs ATC Corvane's logic without a window, one user action per line of SCRIPT (or of\n"
    "standard input), and prints the window's state as JSON Lines at each 'dump'.\n"
    "\n"
    "Options:\n"
    "  --home DIR   the program folder holding DATA; without it, the folder the window uses\n"
    "               (CORVANE_HOME, the executable's folder, or the per-user folder)\n"
    "  --help       print this help and exit\n"
    "  --version    print the version and the licence and exit\n"
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

int usage() {
    std::cerr << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    corvane::useBinaryStandardStreams();
    const std::vector<std::string> arguments = corvane::commandLineArguments(argc, argv);
    std::optional<std::string> home;
    std::string scriptPath;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--home" && i + 1 < arguments.size()) {
            home = arguments[++i];
        } else if (argument == "--help" || argument == "-h") {
            std::cout << kUsage << kHelp;
            return 0;
        } else if (argument == "--version") {
            std::cout << corvane::ProgramVersion::text("corvane-script");
            return 0;
        } else if (scriptPath.empty() && argument.rfind("--", 0) != 0) {
            scriptPath = argument;
        } else {
            return usage();
        }
    }
    corvane::LocalFileSystem files;
    std::string error;
    const auto folder = corvane::ProgramFolderLocator::locate(
        corvane::ProgramFolderLocator::fromEnvironment(
            home, arguments.empty() ? std::string() : arguments[0]),
        files, error);
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
