#include "platform/LocalFileSystem.h"

#include <cerrno>
#include <string_view>
#include <vector>

#include "platform/LineReader.h"
#include "platform/ProgramFolder.h"
#include "platform/SystemFiles.h"

namespace corvane {

namespace sys = systemfiles;

namespace {

// Marks the temporary files of replaceFile, so that only they are ever cleaned up.
constexpr std::string_view kPartialMark = ".partial-";

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

}  // namespace

// The C runtime's errno means the same on both systems; a few codes exist only on some.
FileStatus systemfiles::statusFromErrno(int error, const std::string& path) {
    switch (error) {
        case ENOENT:
            return isFolder(parentOf(path)) ? FileStatus::FileNotFound : FileStatus::PathNotFound;
        case ENOTDIR:
            return FileStatus::PathNotFound;
        case EISDIR:
            return FileStatus::IsDirectory;
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return FileStatus::DiskFull;
#ifdef ELOOP
        case ELOOP:
            return FileStatus::LinkLoop;
#endif
        case EACCES:
        case EPERM:
#ifdef EROFS
        case EROFS:
#endif
            return FileStatus::AccessDenied;
        case ENXIO:
        case ENODEV:
#ifdef ENOMEDIUM
        case ENOMEDIUM:
#endif
#ifdef EHOSTDOWN
        case EHOSTDOWN:
#endif
            return FileStatus::DeviceUnavailable;
        default:
            return FileStatus::IoError;
    }
}

LocalFileSystem::LocalFileSystem(WriteCall write) : write_(write) {}

bool LocalFileSystem::exists(const std::string& path) const {
    return !path.empty() && sys::exists(path);
}

bool LocalFileSystem::isDirectory(const std::string& path) const {
    return !path.empty() && sys::isFolder(path);
}

bool LocalFileSystem::writeAll(int fd, std::string_view data) const {
    while (!data.empty()) {
        const auto written = write_(fd, data.data(), data.size());
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
    FileVersion version{};
    const int fd = sys::openForReading(path, own, status, version);
    if (fd < 0) {
        return nullptr;
    }
    status = FileStatus::Ok;
    return std::make_unique<LineReader>(fd, version);
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
    if (const auto standing = sys::standingEntry(path); standing && *standing != FileStatus::Ok) {
        return *standing;
    }
    std::string temp;
    FileStatus status = FileStatus::Ok;
    const int fd = sys::createTemporary(path + std::string(kPartialMark), temp, status);
    if (fd < 0) {
        return status;
    }
    std::string content;
    for (const auto& line : lines) {
        content += line;
        content += "\r\n";
    }
    const bool written = writeAll(fd, content) && sys::finishTemporary(fd);
    const int writeError = errno;
    sys::close(fd);
    if (!written) {
        sys::removeFile(temp);
        return sys::statusFromErrno(writeError, path);
    }
    if (const FileStatus replaced = sys::replaceWith(temp, path); replaced != FileStatus::Ok) {
        sys::removeFile(temp);
        return replaced;
    }
    return FileStatus::Ok;
}

FileStatus LocalFileSystem::appendLine(const std::string& path, std::string_view line) {
    std::int64_t size = 0;
    FileStatus status = FileStatus::Ok;
    const int fd = sys::openForAppend(path, size, status);
    if (fd < 0) {
        return status;
    }
    std::string record(line);
    record += "\r\n";
    // One write of the whole record; whatever part of it a failure left is cut off again, so
    // the next record never continues a broken line.
    const bool written = writeAll(fd, record);
    const int writeError = errno;
    if (!written) {
        sys::truncate(fd, size);
    }
    const bool closed = sys::close(fd);
    if (!written) {
        return sys::statusFromErrno(writeError, path);
    }
    return closed ? FileStatus::Ok : sys::statusFromErrno(errno, path);
}

void LocalFileSystem::removeStaleTemporaries(const std::string& path) {
    const std::string folder = sys::parentOf(path);
    const std::string prefix = sys::baseNameOf(path) + std::string(kPartialMark);
    for (const std::string& name : sys::entriesOf(folder)) {
        const std::string stale = joinPath(folder, name);
        if (name.size() == prefix.size() + sys::kTemporaryLetters && name.starts_with(prefix) &&
            sys::standingEntry(stale) == FileStatus::Ok) {
            sys::removeFile(stale);
        }
    }
}

FileStatus LocalFileSystem::remove(const std::string& path) {
    return sys::removeFile(path);
}

std::optional<std::string> LocalFileSystem::findIgnoringCase(const std::string& folder,
                                                             const std::string& name) const {
    std::optional<std::string> found;
    for (const std::string& candidate : sys::entriesOf(folder)) {
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
