#pragma once

#include <string>

#include "platform/FileStatus.h"

namespace corvane {

class AppContext;

/// What the connect shows when a file it needs cannot be opened or read, and how it ends.
namespace ConnectErrorTrap {
inline constexpr const char* kDeviceUnavailable =
    "PAY ATTENTION!!! DEVICE UNAVAILABLE TRY AGAIN ANOTHER DRIVE";
inline constexpr const char* kDeviceUnavailableTitle = "DEVICE UNAVAILABLE";
inline constexpr const char* kPathNotFound =
    "PAY ATTENTION!!! YOUR THE EYE DIRECTORY OR SIDSTAR DIRECTORY DON'T EXIST USE IVAO DATA "
    "IMPORT OR UPDATE AIRAC TO SET ";
inline constexpr const char* kPathNotFoundTitle = "DIRECTORY DON' SET";

/// Reports that `path` failed with `status`, then resets the connection: an unreachable
/// device and a missing folder get their fixed messages (errors 68 and 76 of the original
/// program), any other failure a message naming the file.
void fileFailed(AppContext& context, FileStatus status, const std::string& path);
/// Like fileFailed() for the traffic snapshot, whose absence from an existing folder gets a
/// message of its own.
void snapshotFailed(AppContext& context, FileStatus status, const std::string& path);
/// The message for a traffic snapshot that is missing from an existing folder.
std::string snapshotMissing(const std::string& path);
/// The message for a procedure file that is missing from an existing folder.
std::string procedureFileMissing(const std::string& path);
/// The message for any other file that cannot be opened or read.
std::string cannotRead(const std::string& path, FileStatus status);
}  // namespace ConnectErrorTrap

}  // namespace corvane
