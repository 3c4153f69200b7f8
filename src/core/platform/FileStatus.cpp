#include "platform/FileStatus.h"

namespace corvane {

std::string describeFileStatus(FileStatus status) {
    switch (status) {
        case FileStatus::Ok:
            return "OK";
        case FileStatus::FileNotFound:
            return "FILE NOT FOUND";
        case FileStatus::PathNotFound:
            return "PATH NOT FOUND";
        case FileStatus::IsDirectory:
            return "IT IS A FOLDER, NOT A FILE";
        case FileStatus::AccessDenied:
            return "ACCESS DENIED";
        case FileStatus::DeviceUnavailable:
            return "DEVICE UNAVAILABLE";
        case FileStatus::DiskFull:
            return "DISK FULL";
        case FileStatus::SymbolicLink:
            return "IT IS A SYMBOLIC LINK, WHICH IS NOT FOLLOWED";
        case FileStatus::LinkLoop:
            return "SYMBOLIC LINK LOOP";
        case FileStatus::NotRegularFile:
            return "IT IS NOT A REGULAR FILE";
        case FileStatus::IoError:
            return "READ OR WRITE ERROR";
    }
    return "READ OR WRITE ERROR";
}

}  // namespace corvane
