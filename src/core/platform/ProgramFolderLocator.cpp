#include "platform/ProgramFolderLocator.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolder.h"

namespace corvane {

namespace {

namespace fs = std::filesystem;

bool hasDataFolder(const std::string& folder, const FileSystem& files) {
    const auto data = files.findIgnoringCase(folder, "DATA");
    return data && files.isDirectory(joinPath(folder, *data));
}

// Copies the default files that the user's DATA folder does not have yet; never overwrites.
void seedDefaults(const std::string& defaults, const std::string& dataFolder) {
    std::error_code error;
    if (!fs::is_directory(nativePath(defaults), error)) {
        return;
    }
    for (const auto& entry : fs::directory_iterator(nativePath(defaults), error)) {
        const fs::path target = nativePath(dataFolder) / entry.path().filename();
        if (entry.is_regular_file(error) && !fs::exists(target, error)) {
            fs::copy_file(entry.path(), target, error);
        }
    }
}

}  // namespace

std::optional<std::string> ProgramFolderLocator::locate(const ProgramFolderSources& sources,
                                                        FileSystem& files, std::string& error) {
    // A named folder that cannot serve is an error, never a reason to quietly use another.
    std::optional<std::string> named = sources.homeOption;
    if (!named && sources.homeVariable && !sources.homeVariable->empty()) {
        named = sources.homeVariable;
    }
    if (named) {
        if (auto problem = problemWith(*named, files)) {
            error = std::move(*problem);
            return std::nullopt;
        }
        return named;
    }
    if (!sources.executableFolder.empty() && hasDataFolder(sources.executableFolder, files)) {
        return sources.executableFolder;
    }
    if (sources.userDataFolder.empty()) {
#ifdef _WIN32
        error = "no per-user data folder (LOCALAPPDATA is not set)";
#else
        error = "no per-user data folder (HOME is not set)";
#endif
        return std::nullopt;
    }
    const std::string home = joinPath(sources.userDataFolder, "corvane");
    const std::string data = joinPath(home, "DATA");
    std::error_code made;
    fs::create_directories(nativePath(data), made);
    if (made || !files.isDirectory(data)) {
        error = "cannot create " + data;
        return std::nullopt;
    }
    for (const std::string& defaults : sources.defaultsFolders) {
        const std::string defaultData = joinPath(defaults, "DATA");
        if (files.isDirectory(defaultData)) {
            seedDefaults(defaultData, data);
            break;
        }
    }
    return home;
}

std::optional<std::string> ProgramFolderLocator::problemWith(const std::string& folder,
                                                             const FileSystem& files) {
    if (folder.empty()) {
        return std::string("the program folder is named by an empty text");
    }
    if (!files.exists(folder)) {
        return "the program folder " + folder + " does not exist";
    }
    if (!files.isDirectory(folder)) {
        return "the program folder " + folder + " is not a folder";
    }
    const auto data = files.findIgnoringCase(folder, "DATA");
    if (data && !files.isDirectory(joinPath(folder, *data))) {
        return "the DATA folder " + joinPath(folder, *data) + " is not a folder";
    }
    return std::nullopt;
}

#ifndef _WIN32

ProgramFolderSources ProgramFolderLocator::fromEnvironment(std::optional<std::string> homeOption,
                                                           const std::string& executablePath) {
    ProgramFolderSources sources;
    sources.homeOption = std::move(homeOption);
    if (const char* variable = std::getenv("CORVANE_HOME")) {
        sources.homeVariable = variable;
    }
    std::error_code error;
    // The running program itself, wherever the shell found it; argv[0] where /proc is missing.
    fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        executable = fs::canonical(executablePath, error);
    }
    const fs::path folder =
        error ? fs::path(executablePath).parent_path() : executable.parent_path();
    sources.executableFolder = folder.string();
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') {
        sources.userDataFolder = xdg;
    } else if (const char* user = std::getenv("HOME"); user != nullptr && *user != '\0') {
        sources.userDataFolder = std::string(user) + "/.local/share";
    }
    sources.defaultsFolders = {(folder / CORVANE_DEFAULTS_RELATIVE).lexically_normal().string(),
                               CORVANE_DEFAULTS_DIR};
    return sources;
}

#endif

}  // namespace corvane
