// The Windows half of ProgramFolderLocator: where this process finds its program folder there.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/NativePath.h"
#include "platform/ProgramFolderLocator.h"

namespace corvane {

namespace {

namespace fs = std::filesystem;

std::optional<std::string> environmentText(const wchar_t* name) {
    const wchar_t* value = ::_wgetenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return utf8FromWide(value);
}

fs::path executablePathOfProcess(const std::string& argumentZero) {
    std::wstring buffer(MAX_PATH, L'\0');
    while (true) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return nativePath(argumentZero);
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            return fs::path(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

// True when a file can be made in the DATA folder of `folder`: under Program Files it cannot,
// and the settings and logs written there would be lost.
bool dataFolderWritable(const fs::path& folder) {
    const std::wstring probe = (folder / L"DATA" / L".corvane-write-test").native();
    const HANDLE handle =
        ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(handle);
    return true;
}

}  // namespace

ProgramFolderSources ProgramFolderLocator::fromEnvironment(std::optional<std::string> homeOption,
                                                           const std::string& executablePath) {
    ProgramFolderSources sources;
    sources.homeOption = std::move(homeOption);
    sources.homeVariable = environmentText(L"CORVANE_HOME");
    const fs::path folder = executablePathOfProcess(executablePath).parent_path();
    // An installed program's folder is read-only: its DATA then only seeds the per-user folder.
    sources.defaultsFolders = {utf8Path((folder / CORVANE_DEFAULTS_RELATIVE).lexically_normal()),
                               utf8Path(fs::path(CORVANE_DEFAULTS_DIR).make_preferred())};
    std::error_code error;
    if (!fs::is_directory(folder / L"DATA", error) || dataFolderWritable(folder)) {
        sources.executableFolder = utf8Path(folder);
    } else {
        sources.defaultsFolders.insert(sources.defaultsFolders.begin(), utf8Path(folder));
    }
    if (auto local = environmentText(L"LOCALAPPDATA"); local && !local->empty()) {
        sources.userDataFolder = *local;
    }
    return sources;
}

}  // namespace corvane
