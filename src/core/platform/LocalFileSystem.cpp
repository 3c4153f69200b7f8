#include "platform/LocalFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <strings.h>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/LineReader.h"
#include "platform/ProgramFolder.h"

namespace corvane {

namespace {

std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// What stands at `path` itself, without following a link: a regular file, something else, or
// nothing (no entry, or it cannot be looked at).
std::optional<FileStatus> standingEntry(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    if (S_ISLNK(info.st_mode)) {
        return FileStatus::SymbolicLink;
    }
    if (S_ISDIR(info.st_mode)) {
        return FileStatus::IsDirectory;
    }
    return S_ISREG(info.st_mode) ? FileStatus::Ok : FileStatus::NotRegularFile;
}

// The status of a failed open of one of the program's own files, opened without following a
// link: a link or a special file in its place says so rather than what the open tripped on.
FileStatus ownFileStatus(int error, const std::string& path) {
    const auto standing = standingEntry(path);
    if (standing && *standing != FileStatus::Ok) {
        return *standing;
    }
    return LocalFileSystem::statusFromErrno(error, path);
}

FileVersion versionOf(const struct stat& info) {
    return FileVersion{static_cast<std::uint64_t>(info.st_dev),
                       static_cast<std::uint64_t>(info.st_ino),
                       static_cast<std::int64_t>(info.st_size),
                       static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                           static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

std::string baseNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Marks the temporary files of replaceFile, so that only they are ever cleaned up.
constexpr std::string_view kPartialMark = ".partial-";
constexpr std::size_t kTemporaryLetters = 6;

}  // namespace

FileStatus LocalFileSystem::statusFromErrno(int error, const std::string& path) {
    switch (error) {
        case ENOENT: {
            struct stat info {};
            const std::string parent = parentOf(path);
            return (::stat(parent.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
                       ? FileStatus::FileNotFound
                       : FileStatus::PathNotFound;
        }
        case ENOTDIR:
            return FileStatus::PathNotFound;
        case EISDIR:
            return FileStatus::IsDirectory;
        case ENOSPC:
        case EDQUOT:
            return FileStatus::DiskFull;
        case ELOOP:
            return FileStatus::LinkLoop;
        case EACCES:
        case EPERM:
        case EROFS:
            return FileStatus::AccessDenied;
        case ENXIO:
        case ENODEV:
        case ENOMEDIUM:
        case EHOSTDOWN:
            return FileStatus::DeviceUnavailable;
        default:
            return FileStatus::IoError;
    }
}

bool LocalFileSystem::exists(const std::string& path) const {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

bool LocalFileSystem::isDirectory(const std::string& path) const {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
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
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (own ? O_NOFOLLOW : 0));
    if (fd < 0) {
        const int error = errno;
        status = own ? ownFileStatus(error, path) : statusFromErrno(error, path);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        // A folder, or a device or pipe that could be read forever: never a text file of ours.
        const bool folder = S_ISDIR(info.st_mode);
        ::close(fd);
        status = folder ? FileStatus::IsDirectory : FileStatus::NotRegularFile;
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
    std::string temp = path + std::string(kPartialMark) + std::string(kTemporaryLetters, 'X');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return statusFromErrno(errno, temp);
    }
    std::string content;
    for (const auto& line : lines) {
        content += line;
        content += "\r\n";
    }
    const bool written = writeAll(fd, content) && ::fsync(fd) == 0;
    const int writeError = errno;
    ::fchmod(fd, 0644);
    ::close(fd);
    if (!written) {
        ::unlink(temp.c_str());
        return statusFromErrno(writeError, path);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temp.c_str());
        return statusFromErrno(renameError, path);
    }
    return FileStatus::Ok;
}

FileStatus LocalFileSystem::appendLine(const std::string& path, std::string_view line) {
    const int fd = ::open(
        path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0) {
        return ownFileStatus(errno, path);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileStatus::NotRegularFile;
    }
    std::string record(line);
    record += "\r\n";
    // One write of the whole record; whatever part of it a failure left is cut off again, so
    // the next record never continues a broken line.
    const bool written = writeAll(fd, record);
    const int writeError = errno;
    if (!written) {
        static_cast<void>(::ftruncate(fd, info.st_size));
    }
    const bool closed = ::close(fd) == 0;
    if (!written) {
        return statusFromErrno(writeError, path);
    }
    return closed ? FileStatus::Ok : statusFromErrno(errno, path);
}

void LocalFileSystem::removeStaleTemporaries(const std::string& path) {
    const std::string folder = parentOf(path);
    const std::string prefix = baseNameOf(path) + std::string(kPartialMark);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    std::vector<std::string> stale;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() == prefix.size() + kTemporaryLetters && name.starts_with(prefix) &&
            standingEntry(joinPath(folder, name)) == FileStatus::Ok) {
            stale.push_back(name);
        }
    }
    ::closedir(dir);
    for (const std::string& name : stale) {
        ::unlink(joinPath(folder, name).c_str());
    }
}

FileStatus LocalFileSystem::remove(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) {
        return FileStatus::Ok;
    }
    return statusFromErrno(errno, path);
}

std::optional<std::string> LocalFileSystem::findIgnoringCase(const std::string& folder,
                                                             const std::string& name) const {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string candidate = entry->d_name;
        if (candidate == name) {
            found = candidate;
            break;
        }
        if (!found && ::strcasecmp(candidate.c_str(), name.c_str()) == 0) {
            found = candidate;
        }
    }
    ::closedir(dir);
    return found;
}

}  // namespace corvane
