#include "SnapshotPublisher.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace corvane::sim {

SnapshotPublisher::SnapshotPublisher(std::string path, bool inPlace)
    : path_(std::move(path)), inPlace_(inPlace) {}

bool SnapshotPublisher::isWritableTarget(const std::string& path, std::string& error) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return true;  // nothing there yet (or nothing we could replace by mistake)
    }
    if (S_ISREG(info.st_mode)) {
        return true;
    }
    const char* kind = S_ISLNK(info.st_mode)    ? "a symbolic link"
                       : S_ISDIR(info.st_mode)  ? "a folder"
                       : S_ISFIFO(info.st_mode) ? "a pipe"
                                                : "a device or socket";
    error = path + " is " + kind + ", not a regular file";
    return false;
}

bool SnapshotPublisher::publish(const TrafficSimulator& simulator, std::string& error) const {
    const std::string target = inPlace_ ? path_ : path_ + ".tmp";
    if (!isWritableTarget(path_, error) || !isWritableTarget(target, error)) {
        return false;
    }
    {
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot write " + target;
            return false;
        }
        simulator.writeSnapshot(out);
        out.flush();
        if (!out) {
            error = "write failed: " + target;
            return false;
        }
    }
    if (!inPlace_) {
        if (!isWritableTarget(path_, error)) {
            return false;
        }
        std::error_code ec;
        std::filesystem::rename(target, path_, ec);
        if (ec) {
            error = "cannot rename " + target + " to " + path_ + ": " + ec.message();
            std::filesystem::remove(target, ec);
            return false;
        }
    }
    return true;
}

}  // namespace corvane::sim
