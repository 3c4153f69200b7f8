#pragma once

#include <string>

#include "platform/FileStatus.h"

namespace corvane {

class FileSystem;
class Platform;
class ProgramFolder;
struct ProgramState;

/// Which of the two settings a read or write concerns.
enum class Setting {
    SnapshotPath,  ///< "dirRecent.txt": full path of the traffic snapshot
    ProcFolder,    ///< "dirSidStar.txt": the procedures folder
};

/// The two one-line settings files in the DATA subfolder.
namespace SettingsStore {
const char* fileName(Setting setting);
/// In the DATA subfolder.
std::string path(const ProgramFolder& folder, Setting setting);
/// True when a file or a folder of the setting's name exists in the DATA subfolder, or the
/// setting was chosen in this run but could not be saved.
bool isAvailable(const ProgramState& state, const FileSystem& files, const ProgramFolder& folder,
                 Setting setting);
/// Replaces the setting's file with the one line `value`. When the DATA subfolder is missing
/// or cannot be written, says so; the value then stays in memory for this run.
void write(ProgramState& state, Platform& platform, const ProgramFolder& folder, Setting setting,
           const std::string& value);
/// `ReadLastLine`: reads the last line of the file at `path` into `SnapshotPath` when
/// `FolderSelector` is 1, else into `ProcFolder`; then sets `FolderSelector` to 0.
FileStatus readLastLine(ProgramState& state, FileSystem& files, const std::string& path);
/// Loads a setting at connect: the choice of this run that could not be saved, if any,
/// otherwise its file's last line (`ReadLastLine`). Sets `FolderSelector` as the read needs.
FileStatus load(ProgramState& state, FileSystem& files, const ProgramFolder& folder,
                Setting setting);
}  // namespace SettingsStore

}  // namespace corvane
