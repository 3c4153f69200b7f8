#include "platform/FilePublisher.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/NativePath.h"

namespace corvane {

#ifdef _WIN32

bool FilePublisher::isWritableTarget(const std::string& path, std::string& error) {
    const DWORD attributes = ::GetFileAttributesW(wideFromUtf8(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return true;  // nothing there yet (or nothing we could replace by mistake)
    }
    const char* kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? "a symbolic link"
                       : (attributes & FILE_ATTRIBUTE_DIRECTORY)   ? "a folder"
                       : (attributes & FILE_ATTRIBUTE_DEVICE)      ? "a device or socket"
                                                                   : nullptr;
    if (kind == nullptr) {
        return true;
    }
    error = path + " is " + kind + ", not a regular file";
    return false;
}

namespace {

// Unlike rename() there, replaces an existing target, and returns once the move is on disk.
void renameOver(const std::string& from, const std::string& to, std::error_code& ec) {
    if (::MoveFileExW(wideFromUtf8(from).c_str(), wideFromUtf8(to).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        ec = std::error_code(static_cast<int>(::GetLastError()), std::system_category());
    }
}

}  // namespace

#else

namespace {

void renameOver(const std::string& from, const std::string& to, std::error_code& ec) {
    std::filesystem::rename(from, to, ec);
}

}  // namespace

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

#endif

bool FilePublisher::publish(const std::string& path, bool inPlace, const Writer& write,
                            std::string& error) {
    const std::string target = inPlace ? path : path + ".tmp";
    if (!isWritableTarget(path, error) || !isWritableTarget(target, error)) {
        return false;
    }
    std::error_code ec;
    {
        std::ofstream out(nativePath(target), std::ios::binary | std::ios::trunc);
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
                std::filesystem::remove(nativePath(target), ec);
            }
            return false;
        }
    }
    if (!inPlace) {
        // Checked again: the target may have been replaced by something else while we wrote.
        if (!isWritableTarget(path, error)) {
            std::filesystem::remove(nativePath(target), ec);
            return false;
        }
        renameOver(target, path, ec);
        if (ec) {
            error = "cannot rename " + target + " to " + path + ": " + ec.message();
            std::filesystem::remove(nativePath(target), ec);
            return false;
        }
    }
    return true;
}

}  // namespace corvane
