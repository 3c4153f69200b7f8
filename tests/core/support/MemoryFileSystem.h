#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/TextCodec.h"
#include "platform/FileSystem.h"

namespace corvane::test {

/// Lines of bytes held in memory, split and decoded as a file's lines are read.
class MemoryLines final : public LineSource {
public:
    MemoryLines(std::string bytes, FileVersion version)
        : bytes_(std::move(bytes)), version_(version) {}

    bool nextRaw(std::string_view& line) override {
        if (at_ >= bytes_.size()) {
            return false;
        }
        const std::size_t end = bytes_.find('\n', at_);
        endedInsideLine_ = end == std::string::npos;
        line = std::string_view(bytes_).substr(at_, endedInsideLine_ ? bytes_.npos : end - at_);
        at_ = endedInsideLine_ ? bytes_.size() : end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        return true;
    }
    bool next(std::string_view& line) override {
        if (!nextRaw(line)) {
            return false;
        }
        if (!TextCodec::isAscii(line) && !TextCodec::isValidUtf8(line)) {
            decoded_.clear();
            TextCodec::appendWindows1252AsUtf8(line, decoded_);
            line = decoded_;
        }
        return true;
    }
    bool failed() const override { return false; }
    bool endedInsideLine() const override { return endedInsideLine_; }
    std::optional<FileVersion> version() const override { return version_; }

private:
    std::string bytes_;
    FileVersion version_;
    std::size_t at_ = 0;
    bool endedInsideLine_ = false;
    std::string decoded_;
};

/// A file system of folders and files held in memory, for runs that must not wait for a disk
/// (the fuzz targets). Paths are compared as they are written, with "/" between the names; there
/// are no links, no rights and no failing devices.
class MemoryFileSystem final : public FileSystem {
public:
    /// Makes `path` and every folder above it.
    void makeFolder(const std::string& path) {
        for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
             slash = path.find('/', slash + 1)) {
            folders_.insert(path.substr(0, slash));
        }
        folders_.insert(path);
    }
    /// Writes `bytes` to the file `path`, making its folders.
    void write(const std::string& path, std::string bytes) {
        makeFolder(parentOf(path));
        store(path, std::move(bytes), true);
    }
    /// The bytes of the file `path`, or nothing.
    std::optional<std::string> read(const std::string& path) const {
        const auto found = files_.find(path);
        return found == files_.end() ? std::nullopt : std::optional(found->second.bytes);
    }

    bool exists(const std::string& path) const override {
        return files_.count(path) > 0 || folders_.count(path) > 0;
    }
    bool isDirectory(const std::string& path) const override { return folders_.count(path) > 0; }
    std::unique_ptr<LineSource> openLines(const std::string& path, FileStatus& status) override {
        const auto found = files_.find(path);
        if (found == files_.end()) {
            status = placeFor(path) == FileStatus::Ok ? FileStatus::FileNotFound : placeFor(path);
            return nullptr;
        }
        status = FileStatus::Ok;
        const File& file = found->second;
        return std::make_unique<MemoryLines>(
            file.bytes,
            FileVersion{1, file.inode, static_cast<std::int64_t>(file.bytes.size()), file.stamp});
    }
    std::unique_ptr<LineSource> openOwnLines(const std::string& path, FileStatus& status) override {
        return openLines(path, status);
    }
    FileStatus replaceFile(const std::string& path,
                           const std::vector<std::string>& lines) override {
        const FileStatus status = placeFor(path);
        if (status == FileStatus::Ok) {
            std::string bytes;
            for (const std::string& line : lines) {
                bytes += line + "\r\n";
            }
            store(path, std::move(bytes), true);
        }
        return status;
    }
    FileStatus appendLine(const std::string& path, std::string_view line) override {
        const FileStatus status = placeFor(path);
        if (status == FileStatus::Ok) {
            const auto found = files_.find(path);
            std::string bytes = found == files_.end() ? std::string() : found->second.bytes;
            store(path, bytes.append(line).append("\r\n"), found == files_.end());
        }
        return status;
    }
    void removeStaleTemporaries(const std::string& /*path*/) override {}
    FileStatus remove(const std::string& path) override {
        if (folders_.count(path) > 0) {
            return FileStatus::IsDirectory;
        }
        files_.erase(path);
        return FileStatus::Ok;
    }
    std::optional<std::string> findIgnoringCase(const std::string& folder,
                                                const std::string& name) const override {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        const auto sameIgnoringCase = [&lower](std::string_view a, std::string_view b) {
            return a.size() == b.size() &&
                   std::equal(a.begin(), a.end(), b.begin(),
                              [&lower](char x, char y) { return lower(x) == lower(y); });
        };
        const std::string prefix = folder == "/" ? folder : folder + "/";
        std::optional<std::string> found;
        const auto look = [&](const std::string& path) {
            const std::string_view entry = std::string_view(path).substr(prefix.size());
            if (!entry.empty() && entry.find('/') == entry.npos && !found &&
                sameIgnoringCase(entry, name)) {
                found = std::string(entry);
            }
            return entry == name;
        };
        for (auto at = folders_.lower_bound(prefix);
             at != folders_.end() && at->starts_with(prefix); ++at) {
            if (look(*at)) {
                return name;
            }
        }
        for (auto at = files_.lower_bound(prefix);
             at != files_.end() && at->first.starts_with(prefix); ++at) {
            if (look(at->first)) {
                return name;
            }
        }
        return found;
    }

private:
    struct File {
        std::string bytes;
        std::uint64_t inode = 0;
        std::int64_t stamp = 0;
    };

    static std::string parentOf(const std::string& path) {
        const auto slash = path.rfind('/');
        return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    }
    // Ok when a file may stand at `path`: its folder exists and no folder stands there.
    FileStatus placeFor(const std::string& path) const {
        return folders_.count(path) > 0              ? FileStatus::IsDirectory
               : folders_.count(parentOf(path)) == 0 ? FileStatus::PathNotFound
                                                     : FileStatus::Ok;
    }
    // A new file (as a replacement by rename makes) gets a new inode; every write a new stamp.
    void store(const std::string& path, std::string bytes, bool newFile) {
        File& file = files_[path];
        file.bytes = std::move(bytes);
        file.inode = newFile ? ++lastInode_ : file.inode;
        file.stamp = ++lastStamp_;
    }

    std::set<std::string> folders_{"/"};
    std::map<std::string, File> files_;
    std::uint64_t lastInode_ = 0;
    std::int64_t lastStamp_ = 0;
};

}  // namespace corvane::test
