#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileStatus.h"
#include "platform/FileVersion.h"

// The few file calls in which POSIX and Windows differ, behind one set of declarations:
// SystemFilesPosix.cpp and SystemFilesWindows.cpp each define them, and LocalFileSystem builds
// every file operation of the program on them. Descriptors are C runtime descriptors in binary
// mode on both systems.
namespace corvane::systemfiles {

/// How many letters createTemporary puts after its prefix.
inline constexpr std::size_t kTemporaryLetters = 6;

/// The folder part of `path` ("." when there is none).
std::string parentOf(const std::string& path);
std::string baseNameOf(const std::string& path);

/// What stands at `path` itself, without following a link: Ok for a regular file, SymbolicLink,
/// IsDirectory or NotRegularFile for anything else, nothing when there is no entry or it cannot
/// be looked at.
std::optional<FileStatus> standingEntry(const std::string& path);
/// True when something (a file or a folder) stands at `path`, following links.
bool exists(const std::string& path);
/// True when `path` names a folder, following links.
bool isFolder(const std::string& path);

/// Opens a regular file for reading (`own`: never through a link) and reads its version; -1
/// with `status` set when it cannot be opened or is no regular file.
int openForReading(const std::string& path, bool own, FileStatus& status, FileVersion& version);
/// Creates a new, empty temporary file whose name is `prefix` and some letters; -1 with
/// `status` set when none can be made.
int createTemporary(const std::string& prefix, std::string& name, FileStatus& status);
/// Opens (or creates) a regular file of the program's own, never through a link, for appending
/// at `size`, its size before; -1 with `status` set when it cannot.
int openForAppend(const std::string& path, std::int64_t& size, FileStatus& status);

/// Flushes a temporary file to the disk and gives it the permissions of a file of the program.
bool finishTemporary(int fd);
void truncate(int fd, std::int64_t size);
/// Closes a descriptor; false when the close reported an error (errno set).
bool close(int fd);

/// Puts `temporary` in the place of `path`, replacing what is there; Ok or why not.
FileStatus replaceWith(const std::string& temporary, const std::string& path);
/// Deletes a file; Ok when it is gone or was never there.
FileStatus removeFile(const std::string& path);
/// The names in `folder`, without "." and "..".
std::vector<std::string> entriesOf(const std::string& folder);

/// The status that an `errno` of a failed call on `path` stands for (LocalFileSystem.cpp; the
/// same on both systems).
FileStatus statusFromErrno(int error, const std::string& path);

}  // namespace corvane::systemfiles
