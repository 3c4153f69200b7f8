#include "settings/FolderChoice.h"

#include "window/AppContext.h"
#include "platform/NativePath.h"
#include "settings/SettingsStore.h"

namespace corvane {

namespace {

constexpr const char* kProcedurePrompt = "SIDSTARS PMDG PATH OR EVERYWHERE (ONLY FOLDER SIDSTARS)";
constexpr const char* kDataPrompt = "THE EYE OR IVAE Path (ONLY FOLDER DATA)";
const std::string kSnapshotSuffix = std::string(1, kPathSeparator) + "recent.dat";

}  // namespace

std::string FolderChoice::browseForDataFolder(AppContext& context) {
    const bool procedures = context.state.FolderSelector == 0;
    const auto chosen =
        context.platform.browseForFolder(procedures ? kProcedurePrompt : kDataPrompt);
    if (!chosen || chosen->empty()) {
        return {};
    }
    return procedures ? *chosen : *chosen + kSnapshotSuffix;
}

void FolderChoice::chooseDataFolder(AppContext& context) {
    context.state.FolderSelector = 1;
    const std::string result = browseForDataFolder(context);
    if (result.empty()) {
        return;
    }
    context.state.SnapshotPath = result;
    SettingsStore::write(context, Setting::SnapshotPath, result);
}

void FolderChoice::useDataFolder(AppContext& context, const std::string& folder) {
    context.state.SnapshotPath = folder + kSnapshotSuffix;
    SettingsStore::write(context, Setting::SnapshotPath, context.state.SnapshotPath);
}

void FolderChoice::chooseProcedureFolder(AppContext& context) {
    context.state.FolderSelector = 0;
    const std::string result = browseForDataFolder(context);
    if (result.empty()) {
        return;
    }
    context.state.ProcFolder = result;
    SettingsStore::write(context, Setting::ProcFolder, result);
}

}  // namespace corvane
