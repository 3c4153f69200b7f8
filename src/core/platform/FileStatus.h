#pragma once

#include <string>

namespace corvane {

/// Outcome of a file operation, in the terms the program reports to the user.
enum class FileStatus {
    Ok,
    FileNotFound,       ///< the folder exists but the file does not
    PathNotFound,       ///< a folder of the path does not exist
    IsDirectory,        ///< the path names a folder where a file was expected
    AccessDenied,       ///< no permission, or a read-only folder
    DeviceUnavailable,  ///< the drive or device cannot be reached
    DiskFull,           ///< no space left on the device, or the disk quota is used up
    SymbolicLink,       ///< a symbolic link stands where one of the program's own files belongs
    LinkLoop,           ///< symbolic links that lead round in a circle
    NotRegularFile,     ///< a pipe, a device or a socket where a file was expected
    IoError,            ///< any other read or write failure
};

/// A short upper-case description of a failed status, for messages.
std::string describeFileStatus(FileStatus status);

}  // namespace corvane
