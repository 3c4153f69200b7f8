// corvane-script: runs the program's logic from a script of user actions, without a window.
#include <fstream>
#include <iostream>
#include <string>

#include "ScriptRunner.h"
#include "platform/LocalFileSystem.h"
#include "platform/ProgramFolderLocator.h"

namespace {

int usage() {
    std::cerr << "usage: corvane-script --home DIR [SCRIPT]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string home;
    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--home" && i + 1 < argc) {
            home = argv[++i];
        } else if (argument == "--help" || argument == "-h") {
            usage();
            return 0;
        } else if (scriptPath.empty() && argument.rfind("--", 0) != 0) {
            scriptPath = argument;
        } else {
            return usage();
        }
    }
    if (home.empty()) {
        return usage();
    }
    corvane::LocalFileSystem files;
    if (const auto problem = corvane::ProgramFolderLocator::problemWith(home, files)) {
        std::cerr << "corvane-script: " << *problem << '\n';
        return 2;
    }
    corvane::ScriptRunner runner(home, std::cout, std::cerr);
    if (scriptPath.empty()) {
        return runner.run(std::cin);
    }
    std::ifstream script(scriptPath, std::ios::binary);
    if (!script) {
        std::cerr << "corvane-script: cannot open " << scriptPath << '\n';
        return 2;
    }
    return runner.run(script);
}
