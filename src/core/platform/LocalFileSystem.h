#pragma once

#include <sys/types.h>

#include <cstddef>

#include "platform/FileSystem.h"

namespace corvane {

/// The FileSystem of the machine the program runs on (POSIX, or Windows through the wide Win32
/// calls).
class LocalFileSystem final : public FileSystem {
public:
    /// The system call that writes to a file descriptor, as ::write.
    using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);

    /// `write` stands in for the system's write in every write, so a test can make a write
    /// fail part-way.
    explicit LocalFileSystem(WriteCall write = systemWrite);
    /// The system's write (::_write on Windows, with a size_t count as ::write takes it).
    static ssize_t systemWrite(int fd, const void* data, std::size_t size);

    bool exists(const std::string& path) const override;
    bool isDirectory(const std::string& path) const override;
    std::unique_ptr<LineSource> openLines(const std::string& path, FileStatus& status) override;
    std::unique_ptr<LineSource> openOwnLines(const std::string& path, FileStatus& status) override;
    FileStatus replaceFile(const std::string& path, const std::vector<std::string>& lines) override;
    FileStatus appendLine(const std::string& path, std::string_view line) override;
    FileStatus remove(const std::string& path) override;
    void removeStaleTemporaries(const std::string& path) override;
    std::optional<std::string> findIgnoringCase(const std::string& folder,
                                                const std::string& name) const override;

private:
    bool writeAll(int fd, std::string_view data) const;
    std::unique_ptr<LineSource> openReader(const std::string& path, bool own, FileStatus& status);

    WriteCall write_;
};

}  // namespace corvane
