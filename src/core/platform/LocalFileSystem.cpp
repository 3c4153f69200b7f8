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

#include "platform/LineReader.h"

namespace corvane {

namespace {

std::string parentOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
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

std::unique_ptr<LineSource> LocalFileSystem::openLines(const std::string& path,
                                                       FileStatus& status) {
    if (path.empty()) {
        status = FileStatus::PathNotFound;
        return nullptr;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        status = statusFromErrno(errno, path);
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        // A folder, or a device or pipe that could be read forever: never a text file of ours.
        const bool folder = S_ISDIR(info.st_mode);
        ::close(fd);
        status = folder ? FileStatus::IsDirectory : FileStatus::IoError;
        return nullptr;
    }
    status = FileStatus::Ok;
    const FileVersion version{static_cast<std::uint64_t>(info.st_dev),
                              static_cast<std::uint64_t>(info.st_ino),
                              static_cast<std::int64_t>(info.st_size),
                              static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 +
                                  static_cast<std::int64_t>(info.st_mtim.tv_nsec)};
    return std::make_unique<LineReader>(fd, version);
}

FileStatus LocalFileSystem::replaceFile(const std::string& path,
                                        const std::vector<std::string>& lines) {
    std::string temp = path + ".XXXXXX";
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
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return statusFromErrno(errno, path);
    }
    std::string record(line);
    record += "\r\n";
    const bool written = writeAll(fd, record);
    const int writeError = errno;
    ::close(fd);
    return written ? FileStatus::Ok : statusFromErrno(writeError, path);
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
