#include "platform/ProgramFolder.h"

#include <utility>

#include "platform/FileSystem.h"
#include "platform/NativePath.h"

namespace corvane {

std::string joinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) {
        return name;
    }
    if (folder.back() == '/' || folder.back() == kPathSeparator) {
        return folder + name;
    }
    return folder + kPathSeparator + name;
}

ProgramFolder::ProgramFolder(std::string root, const FileSystem& files)
    : root_(std::move(root)), files_(files) {}

std::string ProgramFolder::dataFolder() const {
    const auto found = files_.findIgnoringCase(root_, "DATA");
    return joinPath(root_, found ? *found : std::string("DATA"));
}

std::string ProgramFolder::dataFile(const std::string& name) const {
    const std::string folder = dataFolder();
    const auto found = files_.findIgnoringCase(folder, name);
    return joinPath(folder, found ? *found : name);
}

}  // namespace corvane
