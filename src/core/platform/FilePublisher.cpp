#include "platform/FilePublisher.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <system_error>

namespace corvane {

bool FilePublisher::isWritableTarget(const std::string& path, std::string& error) {
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

bool FilePublisher::publish(const std::string& path, bool inPlace, const Writer& write,
                            std::string& error) {
    const std::string target = inPlace ? path : path + ".tmp";
    if (!isWritableTarget(path, error) || !isWritableTarget(target, error)) {
        return false;
    }
    std::error_code ec;
    {
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot write " + target;
            return false;
        }
        write(out);
        out.flush();
        if (!out) {
            error = "write failed: " + target;
            out.close();
            if (!inPlace) {
                std::filesystem::remove(target, ec);
            }
            return false;
        }
    }
    if (!inPlace) {
        // Checked again: the target may have been replaced by something else while we wrote.
        if (!isWritableTarget(path, error)) {
            std::filesystem::remove(target, ec);
            return false;
        }
        std::filesystem::rename(target, path, ec);
        if (ec) {
            error = "cannot rename " + target + " to " + path + ": " + ec.message();
            std::filesystem::remove(target, ec);
            return false;
        }
    }
    return true;
}

}  // namespace corvane
