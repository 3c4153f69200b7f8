#include "settings/SettingsStore.h"

#include <vector>

#include "window/AppContext.h"

namespace corvane {

namespace {

std::optional<std::string>& unsavedValue(ProgramState& state, Setting setting) {
    return setting == Setting::SnapshotPath ? state.UnsavedSnapshotPath : state.UnsavedProcFolder;
}

constexpr const char* kKeptForThisRun = " THE FOLDER CHOICE IS KEPT ONLY UNTIL THE PROGRAM ENDS.";

}  // namespace

const char* SettingsStore::fileName(Setting setting) {
    return setting == Setting::SnapshotPath ? ProgramFolder::kSnapshotSettings
                                            : ProgramFolder::kProcedureSettings;
}

std::string SettingsStore::path(const AppContext& context, Setting setting) {
    return context.folder.dataFile(fileName(setting));
}

bool SettingsStore::isAvailable(const AppContext& context, Setting setting) {
    return context.platform.files().exists(path(context, setting)) ||
           unsavedValue(context.state, setting).has_value();
}

void SettingsStore::write(AppContext& context, Setting setting, const std::string& value) {
    const std::string dataFolder = context.folder.dataFolder();
    if (!context.files().isDirectory(dataFolder)) {
        unsavedValue(context.state, setting) = value;
        context.warn("PAY ATTENTION!!! THE DATA FOLDER " + dataFolder + " DOES NOT EXIST, SO " +
                     fileName(setting) + " CANNOT BE SAVED." + kKeptForThisRun);
        return;
    }
    const std::string file = path(context, setting);
    const FileStatus status = context.files().replaceFile(file, {value});
    if (status != FileStatus::Ok) {
        unsavedValue(context.state, setting) = value;
        context.warn("PAY ATTENTION!!! CANNOT WRITE " + file + " (" + describeFileStatus(status) +
                     ")." + kKeptForThisRun);
        return;
    }
    unsavedValue(context.state, setting).reset();
}

FileStatus SettingsStore::readLastLine(AppContext& context, const std::string& file) {
    FileStatus status = FileStatus::Ok;
    auto lines = context.files().openOwnLines(file, status);
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
    if (context.state.FolderSelector == 1) {
        context.state.SnapshotPath = last;
    } else {
        context.state.ProcFolder = last;
    }
    context.state.FolderSelector = 0;
    return FileStatus::Ok;
}

FileStatus SettingsStore::load(AppContext& context, Setting setting) {
    context.state.FolderSelector = setting == Setting::SnapshotPath ? 1 : 0;
    const auto& unsaved = unsavedValue(context.state, setting);
    // A choice that could not be saved is newer than whatever the file still holds.
    if (unsaved.has_value()) {
        (setting == Setting::SnapshotPath ? context.state.SnapshotPath : context.state.ProcFolder) =
            *unsaved;
        context.state.FolderSelector = 0;
        return FileStatus::Ok;
    }
    return readLastLine(context, path(context, setting));
}

}  // namespace corvane
