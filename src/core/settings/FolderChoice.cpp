#include "settings/FolderChoice.h"

#include "platform/NativePath.h"
#include "platform/Platform.h"
#include "settings/SettingsStore.h"
#include "window/ProgramState.h"

namespace corvane {

namespace {

constexpr const char* kProcedurePrompt = "SIDSTARS PMDG PATH OR EVERYWHERE (ONLY FOLDER SIDSTARS)";
constexpr const char* kDataPrompt = "THE EYE OR IVAE Path (ONLY FOLDER DATA)";
const std::string kSnapshotSuffix = std::string(1, kPathSeparator) + "recent.dat";

}  // namespace

std::string FolderChoice::browseForDataFolder(const ProgramState& state, Platform& platform) {
    const bool procedures = state.FolderSelector == 0;
    const auto chosen = platform.browseForFolder(procedures ? kProcedurePrompt : kDataPrompt);
    if (!chosen || chosen->empty()) {
        return {};
    }
    return procedures ? *chosen : *chosen + kSnapshotSuffix;
}

void FolderChoice::chooseDataFolder(ProgramState& state, Platform& platform,
                                    const ProgramFolder& folder) {
    state.FolderSelector = 1;
    const std::string result = browseForDataFolder(state, platform);
    if (result.empty()) {
        return;
    }
    state.SnapshotPath = result;
    SettingsStore::write(state, platform, folder, Setting::SnapshotPath, result);
}

void FolderChoice::useDataFolder(ProgramState& state, const std::string& folder) {
    state.SnapshotPath = folder + kSnapshotSuffix;
    state.UnsavedSnapshotPath = state.SnapshotPath;
}

void FolderChoice::chooseProcedureFolder(ProgramState& state, Platform& platform,
                                         const ProgramFolder& folder) {
    state.FolderSelector = 0;
    const std::string result = browseForDataFolder(state, platform);
    if (result.empty()) {
        return;
    }
    state.ProcFolder = result;
    SettingsStore::write(state, platform, folder, Setting::ProcFolder, result);
}

}  // namespace corvane
