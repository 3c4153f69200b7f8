// The POSIX half of the file calls.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/LocalFileSystem.h"
#include "platform/SystemFiles.h"

namespace corvane {

namespace {

FileVersion versionOf(const struct stat& info) {
    return FileVersion{static_cast<std::uint64_t>(info.st_dev),
                       static_cast<std::uint64_t>(info.st_ino),
                       static_cast<std::int64_t>(info.st_size),
                       static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                           static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
}

// The status of a failed open of one of the program's own files, opened without following a
// link: a link or a special file in its place says so rather than what the open tripped on.
FileStatus ownFileStatus(int error, const std::string& path) {
    const auto standing = systemfiles::standingEntry(path);
    if (standing && *standing != FileStatus::Ok) {
        return *standing;
    }
    return systemfiles::statusFromErrno(error, path);
}

}  // namespace

ssize_t LocalFileSystem::systemWrite(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

namespace systemfiles {

std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

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

bool exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int openForReading(const std::string& path, bool own, FileStatus& status, FileVersion& version) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | (own ? O_NOFOLLOW : 0));
    if (fd < 0) {
        const int error = errno;
        status = own ? ownFileStatus(error, path) : statusFromErrno(error, path);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        // A folder, or a device or pipe that could be read forever: never a text file of ours.
        const bool folder = S_ISDIR(info.st_mode);
        ::close(fd);
        status = folder ? FileStatus::IsDirectory : FileStatus::NotRegularFile;
        return -1;
    }
    version = versionOf(info);
    return fd;
}

int createTemporary(const std::string& prefix, std::string& name, FileStatus& status) {
    name = prefix + std::string(kTemporaryLetters, 'X');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        status = statusFromErrno(errno, name);
    }
    return fd;
}

int openForAppend(const std::string& path, std::int64_t& size, FileStatus& status) {
    const int fd = ::open(
        path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
    if (fd < 0) {
        status = ownFileStatus(errno, path);
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        status = FileStatus::NotRegularFile;
        return -1;
    }
    size = static_cast<std::int64_t>(info.st_size);
    return fd;
}

bool finishTemporary(int fd) {
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::fchmod(fd, 0644);
    errno = error;
    return synced;
}

void truncate(int fd, std::int64_t size) {
    // A cut that fails too leaves nothing more to try: the caller reports the failed write.
    if (::ftruncate(fd, static_cast<off_t>(size)) != 0) {
        return;
    }
}

bool close(int fd) {
    return ::close(fd) == 0;
}

FileStatus replaceWith(const std::string& temporary, const std::string& path) {
    return ::rename(temporary.c_str(), path.c_str()) == 0 ? FileStatus::Ok
                                                          : statusFromErrno(errno, path);
}

FileStatus removeFile(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) {
        return FileStatus::Ok;
    }
    return statusFromErrno(errno, path);
}

std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..") {
            names.emplace_back(name);
        }
    }
    ::closedir(dir);
    return names;
}

}  // namespace systemfiles

}  // namespace corvane
