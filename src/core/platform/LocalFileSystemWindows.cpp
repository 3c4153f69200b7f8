// The Windows half of LocalFileSystem: wide Win32 calls on UTF-8 paths, binary files only.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

#include "platform/LineReader.h"
#include "platform/LocalFileSystem.h"
#include "platform/NativePath.h"
#include "platform/ProgramFolder.h"

namespace corvane {

namespace {

std::string::size_type lastSeparator(const std::string& path) {
    return path.find_last_of("\\/");
}

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

DWORD attributesOf(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES
                        : ::GetFileAttributesW(wideFromUtf8(path).c_str());
}

// What stands at `path` itself, without following a link: a regular file, something else, or
// nothing (no entry, or it cannot be looked at).
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

// The status of a failed Win32 call on `path`. A folder opened as a file fails as "access
// denied" there; it is named as a folder here.
FileStatus statusFromLastError(DWORD error, const std::string& path) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND: {
            const DWORD parent = attributesOf(parentOf(path));
            return parent != INVALID_FILE_ATTRIBUTES && (parent & FILE_ATTRIBUTE_DIRECTORY)
                       ? FileStatus::FileNotFound
                       : FileStatus::PathNotFound;
        }
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_DIRECTORY:
            return FileStatus::PathNotFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT: {
            const auto standing = standingEntry(path);
            return standing == FileStatus::IsDirectory ? FileStatus::IsDirectory
                                                       : FileStatus::AccessDenied;
        }
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

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

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

constexpr std::string_view kPartialMark = ".partial-";
constexpr std::size_t kTemporaryLetters = 6;

std::string temporaryLetters() {
    static thread_local std::mt19937 random{std::random_device{}()};
    constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    std::string letters;
    for (std::size_t i = 0; i < kTemporaryLetters; ++i) {
        letters += kLetters[pick(random)];
    }
    return letters;
}

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// The names in `folder`, without "." and "..".
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

}  // namespace

ssize_t LocalFileSystem::systemWrite(int fd, const void* data, std::size_t size) {
    return ::_write(fd, data, static_cast<unsigned int>(std::min<std::size_t>(size, INT_MAX)));
}

FileStatus LocalFileSystem::statusFromErrno(int error, const std::string& path) {
    switch (error) {
        case ENOENT: {
            const DWORD parent = attributesOf(parentOf(path));
            return parent != INVALID_FILE_ATTRIBUTES && (parent & FILE_ATTRIBUTE_DIRECTORY)
                       ? FileStatus::FileNotFound
                       : FileStatus::PathNotFound;
        }
        case ENOTDIR:
            return FileStatus::PathNotFound;
        case EISDIR:
            return FileStatus::IsDirectory;
        case ENOSPC:
            return FileStatus::DiskFull;
        case EACCES:
        case EPERM:
            return FileStatus::AccessDenied;
        case ENXIO:
        case ENODEV:
            return FileStatus::DeviceUnavailable;
        default:
            return FileStatus::IoError;
    }
}

bool LocalFileSystem::exists(const std::string& path) const {
    return attributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

bool LocalFileSystem::isDirectory(const std::string& path) const {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

LocalFileSystem::LocalFileSystem(WriteCall write) : write_(write) {}

bool LocalFileSystem::writeAll(int fd, std::string_view data) const {
    while (!data.empty()) {
        const ssize_t written = write_(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::unique_ptr<LineSource> LocalFileSystem::openReader(const std::string& path, bool own,
                                                        FileStatus& status) {
    if (path.empty()) {
        status = FileStatus::PathNotFound;
        return nullptr;
    }
    // Shared for delete too: the radar client must stay free to rename a new snapshot over it.
    const HANDLE handle =
        ::CreateFileW(wideFromUtf8(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL | (own ? FILE_FLAG_OPEN_REPARSE_POINT : 0), nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        const auto standing = own ? standingEntry(path) : std::nullopt;
        status =
            standing && *standing != FileStatus::Ok ? *standing : statusFromLastError(error, path);
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(handle) != FILE_TYPE_DISK ||
        ::GetFileInformationByHandle(handle, &info) == 0 ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
        ::CloseHandle(handle);
        status = (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? FileStatus::SymbolicLink
                 : (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)   ? FileStatus::IsDirectory
                                                                      : FileStatus::NotRegularFile;
        return nullptr;
    }
    const int fd = descriptorOf(handle, _O_RDONLY);
    if (fd < 0) {
        status = FileStatus::IoError;
        return nullptr;
    }
    status = FileStatus::Ok;
    return std::make_unique<LineReader>(fd, versionOf(info));
}

std::unique_ptr<LineSource> LocalFileSystem::openLines(const std::string& path,
                                                       FileStatus& status) {
    return openReader(path, false, status);
}

std::unique_ptr<LineSource> LocalFileSystem::openOwnLines(const std::string& path,
                                                          FileStatus& status) {
    return openReader(path, true, status);
}

FileStatus LocalFileSystem::replaceFile(const std::string& path,
                                        const std::vector<std::string>& lines) {
    // The rename would put the file in place of whatever stands there, a link included.
    if (const auto standing = standingEntry(path); standing && *standing != FileStatus::Ok) {
        return *standing;
    }
    std::string temp;
    HANDLE handle = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && handle == INVALID_HANDLE_VALUE; ++attempt) {
        temp = path + std::string(kPartialMark) + temporaryLetters();
        handle = ::CreateFileW(wideFromUtf8(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) {
            return statusFromLastError(::GetLastError(), temp);
        }
    }
    if (handle == INVALID_HANDLE_VALUE) {
        return FileStatus::IoError;
    }
    const int fd = descriptorOf(handle, _O_WRONLY);
    if (fd < 0) {
        ::DeleteFileW(wideFromUtf8(temp).c_str());
        return FileStatus::IoError;
    }
    std::string content;
    for (const auto& line : lines) {
        content += line;
        content += "\r\n";
    }
    const bool written = writeAll(fd, content) && ::_commit(fd) == 0;
    const int writeError = errno;
    ::_close(fd);
    if (!written) {
        ::DeleteFileW(wideFromUtf8(temp).c_str());
        return statusFromErrno(writeError, path);
    }
    // rename() there refuses an existing target, so a settings file could never be rewritten.
    if (::MoveFileExW(wideFromUtf8(temp).c_str(), wideFromUtf8(path).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        const DWORD renameError = ::GetLastError();
        ::DeleteFileW(wideFromUtf8(temp).c_str());
        return statusFromLastError(renameError, path);
    }
    return FileStatus::Ok;
}

FileStatus LocalFileSystem::appendLine(const std::string& path, std::string_view line) {
    if (const auto standing = standingEntry(path); standing && *standing != FileStatus::Ok) {
        return *standing;
    }
    const HANDLE handle =
        ::CreateFileW(wideFromUtf8(path).c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr,
                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return statusFromLastError(::GetLastError(), path);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(handle) != FILE_TYPE_DISK ||
        ::GetFileInformationByHandle(handle, &info) == 0 ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) {
        ::CloseHandle(handle);
        return FileStatus::NotRegularFile;
    }
    const auto size = static_cast<std::int64_t>(versionOf(info).size);
    const int fd = descriptorOf(handle, _O_WRONLY);
    if (fd < 0 || ::_lseeki64(fd, size, SEEK_SET) != size) {
        if (fd >= 0) {
            ::_close(fd);
        }
        return FileStatus::IoError;
    }
    std::string record(line);
    record += "\r\n";
    // One write of the whole record; whatever part of it a failure left is cut off again, so
    // the next record never continues a broken line.
    const bool written = writeAll(fd, record);
    const int writeError = errno;
    if (!written) {
        static_cast<void>(::_chsize_s(fd, size));
    }
    const bool closed = ::_close(fd) == 0;
    if (!written) {
        return statusFromErrno(writeError, path);
    }
    return closed ? FileStatus::Ok : statusFromErrno(errno, path);
}

void LocalFileSystem::removeStaleTemporaries(const std::string& path) {
    const std::string folder = parentOf(path);
    const std::string prefix = baseNameOf(path) + std::string(kPartialMark);
    for (const std::string& name : entriesOf(folder)) {
        const std::string stale = joinPath(folder, name);
        if (name.size() == prefix.size() + kTemporaryLetters && name.starts_with(prefix) &&
            standingEntry(stale) == FileStatus::Ok) {
            ::DeleteFileW(wideFromUtf8(stale).c_str());
        }
    }
}

FileStatus LocalFileSystem::remove(const std::string& path) {
    if (::DeleteFileW(wideFromUtf8(path).c_str()) != 0) {
        return FileStatus::Ok;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        return FileStatus::Ok;
    }
    return statusFromLastError(error, path);
}

std::optional<std::string> LocalFileSystem::findIgnoringCase(const std::string& folder,
                                                             const std::string& name) const {
    std::optional<std::string> found;
    for (const std::string& candidate : entriesOf(folder)) {
        if (candidate == name) {
            return candidate;
        }
        if (!found && equalIgnoringAsciiCase(candidate, name)) {
            found = candidate;
        }
    }
    return found;
}

}  // namespace corvane
