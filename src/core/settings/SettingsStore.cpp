#include "settings/SettingsStore.h"

#include <vector>

#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "window/ProgramState.h"
#include "window/UserMessage.h"

namespace corvane {

namespace {

std::optional<std::string>& unsavedValue(ProgramState& state, Setting setting) {
    return setting == Setting::SnapshotPath ? state.UnsavedSnapshotPath : state.UnsavedProcFolder;
}

const std::optional<std::string>& unsavedValue(const ProgramState& state, Setting setting) {
    return setting == Setting::SnapshotPath ? state.UnsavedSnapshotPath : state.UnsavedProcFolder;
}

constexpr const char* kKeptForThisRun = " THE FOLDER CHOICE IS KEPT ONLY UNTIL THE PROGRAM ENDS.";

}  // namespace

const char* SettingsStore::fileName(Setting setting) {
    return setting == Setting::SnapshotPath ? ProgramFolder::kSnapshotSettings
                                            : ProgramFolder::kProcedureSettings;
}

std::string SettingsStore::path(const ProgramFolder& folder, Setting setting) {
    return folder.dataFile(fileName(setting));
}

bool SettingsStore::isAvailable(const ProgramState& state, const FileSystem& files,
                                const ProgramFolder& folder, Setting setting) {
    return files.exists(path(folder, setting)) || unsavedValue(state, setting).has_value();
}

void SettingsStore::write(ProgramState& state, Platform& platform, const ProgramFolder& folder,
                          Setting setting, const std::string& value) {
    const std::string dataFolder = folder.dataFolder();
    if (!platform.files().isDirectory(dataFolder)) {
        unsavedValue(state, setting) = value;
        UserMessage::warn(platform, "PAY ATTENTION!!! THE DATA FOLDER " + dataFolder +
                                        " DOES NOT EXIST, SO " + fileName(setting) +
                                        " CANNOT BE SAVED." + kKeptForThisRun);
        return;
    }
    const std::string file = path(folder, setting);
    const FileStatus status = platform.files().replaceFile(file, {value});
    if (status != FileStatus::Ok) {
        unsavedValue(state, setting) = value;
        UserMessage::warn(platform, "PAY ATTENTION!!! CANNOT WRITE " + file + " (" +
                                        describeFileStatus(status) + ")." + kKeptForThisRun);
        return;
    }
    unsavedValue(state, setting).reset();
}

FileStatus SettingsStore::readLastLine(ProgramState& state, FileSystem& files,
                                       const std::string& file) {
    FileStatus status = FileStatus::Ok;
    auto lines = files.openOwnLines(file, status);
    if (!lines) {
        return status;
    }
    std::string last;
    std::string_view line;
    while (lines->next(line)) {
        last.assign(line);
    }
    if (lines->failed()) {
        return FileStatus::IoError;
    }
    if (state.FolderSelector == 1) {
        state.SnapshotPath = last;
    } else {
        state.ProcFolder = last;
    }
    state.FolderSelector = 0;
    return FileStatus::Ok;
}

FileStatus SettingsStore::load(ProgramState& state, FileSystem& files, const ProgramFolder& folder,
                               Setting setting) {
    state.FolderSelector = setting == Setting::SnapshotPath ? 1 : 0;
    const auto& unsaved = unsavedValue(state, setting);
    // A choice that could not be saved is newer than whatever the file still holds.
    if (unsaved.has_value()) {
        (setting == Setting::SnapshotPath ? state.SnapshotPath : state.ProcFolder) = *unsaved;
        state.FolderSelector = 0;
        return FileStatus::Ok;
    }
    return readLastLine(state, files, path(folder, setting));
}

}  // namespace corvane
