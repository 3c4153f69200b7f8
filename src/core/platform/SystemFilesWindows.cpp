// The Windows half of the file calls: wide Win32 calls on UTF-8 paths, binary files only.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <random>
#include <string_view>

#include "platform/LocalFileSystem.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolder.h"
#include "platform/SystemFiles.h"

namespace corvane {

namespace {

std::string::size_type lastSeparator(const std::string& path) {
    return path.find_last_of("\\/");
}

DWORD attributesOf(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES
                        : ::GetFileAttributesW(wideFromUtf8(path).c_str());
}

bool isFolderAttributes(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The status of a failed Win32 call on `path`. A folder opened as a file fails as "access
// denied" there; it is named as a folder here.
FileStatus statusFromLastError(DWORD error, const std::string& path) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
            return isFolderAttributes(attributesOf(systemfiles::parentOf(path)))
                       ? FileStatus::FileNotFound
                       : FileStatus::PathNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_DIRECTORY:
            return FileStatus::PathNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return systemfiles::standingEntry(path) == FileStatus::IsDirectory
                       ? FileStatus::IsDirectory
                       : FileStatus::AccessDenied;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileStatus::DiskFull;
        case ERROR_CANT_RESOLVE_FILENAME:
            return FileStatus::LinkLoop;
        case ERROR_NOT_READY:
        case ERROR_INVALID_DRIVE:
        case ERROR_DEV_NOT_EXIST:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_NETNAME_DELETED:
        case ERROR_UNRECOGNIZED_VOLUME:
            return FileStatus::DeviceUnavailable;
        default:
            return FileStatus::IoError;
    }
}

// Volume and file index tell a file replaced by a rename from the one it replaced; the write
// time (100 ns steps since 1601) tells a rewrite in place.
FileVersion versionOf(const BY_HANDLE_FILE_INFORMATION& info) {
    constexpr std::int64_t kEpochSteps = 116'444'736'000'000'000;
    const auto join = [](DWORD high, DWORD low) {
        return (static_cast<std::uint64_t>(high) << 32) | low;
    };
    const auto steps = static_cast<std::int64_t>(
        join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime));
    return FileVersion{info.dwVolumeSerialNumber, join(info.nFileIndexHigh, info.nFileIndexLow),
                       static_cast<std::int64_t>(join(info.nFileSizeHigh, info.nFileSizeLow)),
                       (steps - kEpochSteps) * 100};
}

// Shared for delete too: the radar client must stay free to rename a new snapshot over a file
// the program is reading.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Reads what the open handle is; false (and `status` set) unless it is a regular file on disk.
bool regularFile(HANDLE handle, BY_HANDLE_FILE_INFORMATION& info, FileStatus& status) {
    if (::GetFileType(handle) == FILE_TYPE_DISK && ::GetFileInformationByHandle(handle, &info) &&
        !(info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
        return true;
    }
    status = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? FileStatus::SymbolicLink
             : (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)   ? FileStatus::IsDirectory
                                                                    : FileStatus::NotRegularFile;
    return false;
}

// A C runtime descriptor for `handle` in binary mode (never CR LF translation); it owns the
// handle from then on.
int descriptorOf(HANDLE handle, int flags) {
    const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle), flags | _O_BINARY);
    if (fd < 0) {
        ::CloseHandle(handle);
        return -1;
    }
    ::_setmode(fd, _O_BINARY);
    return fd;
}

std::string temporaryLetters() {
    static thread_local std::mt19937 random{std::random_device{}()};
    constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string letters;
    for (std::size_t i = 0; i < systemfiles::kTemporaryLetters; ++i) {
        letters += kLetters[pick(random)];
    }
    return letters;
}

}  // namespace

ssize_t LocalFileSystem::systemWrite(int fd, const void* data, std::size_t size) {
    return ::_write(fd, data, static_cast<unsigned int>(std::min<std::size_t>(size, INT_MAX)));
}

namespace systemfiles {

std::string parentOf(const std::string& path) {
    const auto slash = lastSeparator(path);
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 || (slash == 2 && path[1] == ':') ? path.substr(0, slash + 1)
                                                        : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const auto slash = lastSeparator(path);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<FileStatus> standingEntry(const std::string& path) {
    const DWORD attributes = attributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        return FileStatus::SymbolicLink;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        return FileStatus::IsDirectory;
    }
    return (attributes & FILE_ATTRIBUTE_DEVICE) ? FileStatus::NotRegularFile : FileStatus::Ok;
}

bool exists(const std::string& path) {
    return attributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

bool isFolder(const std::string& path) {
    return isFolderAttributes(attributesOf(path));
}

int openForReading(const std::string& path, bool own, FileStatus& status, FileVersion& version) {
    const HANDLE handle =
        ::CreateFileW(wideFromUtf8(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL | (own ? FILE_FLAG_OPEN_REPARSE_POINT : 0), nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        const auto standing = own ? standingEntry(path) : std::nullopt;
        status =
            standing && *standing != FileStatus::Ok ? *standing : statusFromLastError(error, path);
        return -1;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!regularFile(handle, info, status)) {
        ::CloseHandle(handle);
        return -1;
    }
    const int fd = descriptorOf(handle, _O_RDONLY);
    if (fd < 0) {
        status = FileStatus::IoError;
        return -1;
    }
    version = versionOf(info);
    return fd;
}

int createTemporary(const std::string& prefix, std::string& name, FileStatus& status) {
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && handle == INVALID_HANDLE_VALUE; ++attempt) {
        name = prefix + temporaryLetters();
        handle = ::CreateFileW(wideFromUtf8(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) {
            status = statusFromLastError(::GetLastError(), name);
            return -1;
        }
    }
    const int fd = handle == INVALID_HANDLE_VALUE ? -1 : descriptorOf(handle, _O_WRONLY);
    if (fd < 0) {
        if (handle != INVALID_HANDLE_VALUE) {
            ::DeleteFileW(wideFromUtf8(name).c_str());
        }
        status = FileStatus::IoError;
    }
    return fd;
}

int openForAppend(const std::string& path, std::int64_t& size, FileStatus& status) {
    if (const auto standing = standingEntry(path); standing && *standing != FileStatus::Ok) {
        status = *standing;
        return -1;
    }
    const HANDLE handle =
        ::CreateFileW(wideFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        status = statusFromLastError(::GetLastError(), path);
        return -1;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!regularFile(handle, info, status)) {
        ::CloseHandle(handle);
        status = FileStatus::NotRegularFile;
        return -1;
    }
    size = versionOf(info).size;
    const int fd = descriptorOf(handle, _O_WRONLY);
    if (fd < 0 || ::_lseeki64(fd, size, SEEK_SET) != size) {
        if (fd >= 0) {
            ::_close(fd);
        }
        status = FileStatus::IoError;
        return -1;
    }
    return fd;
}

bool finishTemporary(int fd) {
    return ::_commit(fd) == 0;
}

void truncate(int fd, std::int64_t size) {
    static_cast<void>(::_chsize_s(fd, size));
}

bool close(int fd) {
    return ::_close(fd) == 0;
}

FileStatus replaceWith(const std::string& temporary, const std::string& path) {
    // rename() there refuses an existing target, so a settings file could never be rewritten.
    if (::MoveFileExW(wideFromUtf8(temporary).c_str(), wideFromUtf8(path).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
        return FileStatus::Ok;
    }
    return statusFromLastError(::GetLastError(), path);
}

FileStatus removeFile(const std::string& path) {
    if (::DeleteFileW(wideFromUtf8(path).c_str()) != 0) {
        return FileStatus::Ok;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        return FileStatus::Ok;
    }
    return statusFromLastError(error, path);
}

std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    const std::wstring pattern = wideFromUtf8(joinPath(folder, "*"));
    const HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..") {
            names.push_back(utf8FromWide(name));
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

}  // namespace systemfiles

}  // namespace corvane
