#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileStatus.h"
#include "platform/LineSource.h"

namespace corvane {

/// The file operations the program needs: existence tests, line-by-line reading, whole-file
/// replacement, appending and deletion. Paths are the platform's native paths (UTF-8).
class FileSystem {
public:
    virtual ~FileSystem() = default;

    /// True when a file or a folder of that path exists.
    virtual bool exists(const std::string& path) const = 0;
    virtual bool isDirectory(const std::string& path) const = 0;
    /// Opens a text file for sequential reading; on failure returns null and sets `status`.
    virtual std::unique_ptr<LineSource> openLines(const std::string& path, FileStatus& status) = 0;
    /// Opens one of the program's own files (settings, clearance logs) for reading; a symbolic
    /// link in its place is refused (SymbolicLink), so nothing is read from where it points.
    virtual std::unique_ptr<LineSource> openOwnLines(const std::string& path,
                                                     FileStatus& status) = 0;
    /// Replaces the whole file with `lines`, each ended by CR LF, atomically (temporary file in
    /// the same folder, then rename), so a crash never leaves a truncated file. A symbolic link
    /// or anything else but a regular file in its place is refused and left as it is.
    virtual FileStatus replaceFile(const std::string& path,
                                   const std::vector<std::string>& lines) = 0;
    /// Appends one line ended by CR LF, creating the file when absent: the whole line or, on
    /// any failure, nothing (the file is cut back to its size before). A symbolic link or
    /// anything else but a regular file in its place is refused.
    virtual FileStatus appendLine(const std::string& path, std::string_view line) = 0;
    /// Deletes the temporary files that replacements of `path` interrupted by a crash left
    /// beside it.
    virtual void removeStaleTemporaries(const std::string& path) = 0;
    /// Deletes a file; a missing file is not an error.
    virtual FileStatus remove(const std::string& path) = 0;
    /// The name of the entry of `folder` that equals `name` ignoring ASCII letter case, if any
    /// (an exact match is preferred).
    virtual std::optional<std::string> findIgnoringCase(const std::string& folder,
                                                        const std::string& name) const = 0;
};

}  // namespace corvane
