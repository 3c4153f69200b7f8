#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane {

class FileSystem;

/// Where the program looks for its program folder, in order of preference.
struct ProgramFolderSources {
    /// The `--home DIR` option.
    std::optional<std::string> homeOption;
    /// The environment variable CORVANE_HOME.
    std::optional<std::string> homeVariable;
    std::string executableFolder;
    /// The per-user data folder ($XDG_DATA_HOME, or ~/.local/share), without the program's name.
    std::string userDataFolder;
    /// The folders that may hold the installed default DATA files a new per-user folder is
    /// seeded from, in order of preference; the first that has a DATA subfolder is used.
    std::vector<std::string> defaultsFolders;
};

/// Finds the program folder: `--home`, else CORVANE_HOME, else the executable's folder when it
/// holds a DATA subfolder (any letter case), else `<user data>/corvane`, created and seeded with
/// the installed default DATA files the first time (those beside the executable,
/// `<bin>/../share/corvane`, before those of the configured install folder).
namespace ProgramFolderLocator {
/// The program folder, or nothing with `error` set when none can be had. A folder named by
/// `--home` (even an empty one) or CORVANE_HOME must pass `problemWith`.
std::optional<std::string> locate(const ProgramFolderSources& sources, FileSystem& files,
                                  std::string& error);
/// Why `folder` cannot be the program folder (empty, missing, a file, or its DATA entry is
/// not a folder), naming it; nothing when it can. A folder without DATA can: the program
/// says what is missing when it needs it.
std::optional<std::string> problemWith(const std::string& folder, const FileSystem& files);
/// The sources of this process: the environment, the executable's folder, the XDG folder.
ProgramFolderSources fromEnvironment(std::optional<std::string> homeOption,
                                     const std::string& executablePath);
}  // namespace ProgramFolderLocator

}  // namespace corvane
