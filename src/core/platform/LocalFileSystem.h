#pragma once

#include "platform/FileSystem.h"

namespace corvane {

/// The FileSystem of the machine the program runs on (POSIX).
class LocalFileSystem final : public FileSystem {
public:
    bool exists(const std::string& path) const override;
    bool isDirectory(const std::string& path) const override;
    std::unique_ptr<LineSource> openLines(const std::string& path, FileStatus& status) override;
    FileStatus replaceFile(const std::string& path, const std::vector<std::string>& lines) override;
    FileStatus appendLine(const std::string& path, std::string_view line) override;
    FileStatus remove(const std::string& path) override;
    std::optional<std::string> findIgnoringCase(const std::string& folder,
                                                const std::string& name) const override;

    /// The status that an `errno` of a failed open of `path` stands for.
    static FileStatus statusFromErrno(int error, const std::string& path);
};

}  // namespace corvane
