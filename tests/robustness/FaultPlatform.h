#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/FakePlatform.h"

namespace corvane::test {

/// The real file system, except that every write (replace, append, delete) can be made to fail
/// with access denied, as on a read-only DATA folder, or with another status (a full disk).
/// The tests run as root, where a chmod does not stop a write, so the refusal is made here.
class WriteFailingFileSystem final : public FileSystem {
public:
    explicit WriteFailingFileSystem(FileSystem& inner) : inner_(inner) {}

    /// When true, every write fails with `failure` and changes nothing.
    bool denyWrites = false;
    /// The status a refused write gives.
    FileStatus failure = FileStatus::AccessDenied;
    /// How many writes were refused.
    int refusedWrites = 0;

    bool exists(const std::string& path) const override { return inner_.exists(path); }
    bool isDirectory(const std::string& path) const override { return inner_.isDirectory(path); }
    std::unique_ptr<LineSource> openLines(const std::string& path, FileStatus& status) override {
        return inner_.openLines(path, status);
    }
    std::unique_ptr<LineSource> openOwnLines(const std::string& path, FileStatus& status) override {
        return inner_.openOwnLines(path, status);
    }
    FileStatus replaceFile(const std::string& path,
                           const std::vector<std::string>& lines) override {
        return denyWrites ? refuse() : inner_.replaceFile(path, lines);
    }
    FileStatus appendLine(const std::string& path, std::string_view line) override {
        return denyWrites ? refuse() : inner_.appendLine(path, line);
    }
    FileStatus remove(const std::string& path) override {
        return denyWrites ? refuse() : inner_.remove(path);
    }
    void removeStaleTemporaries(const std::string& path) override {
        if (!denyWrites) {
            inner_.removeStaleTemporaries(path);
        }
    }
    std::optional<std::string> findIgnoringCase(const std::string& folder,
                                                const std::string& name) const override {
        return inner_.findIgnoringCase(folder, name);
    }

private:
    FileStatus refuse() {
        ++refusedWrites;
        return failure;
    }

    FileSystem& inner_;
};

/// The fake platform of the core tests with a file system whose writes can be refused.
class FaultPlatform final : public Platform {
public:
    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override {
        return fake.showMessage(text, title, icon, buttons);
    }
    std::optional<std::string> browseForFolder(const std::string& prompt) override {
        return fake.browseForFolder(prompt);
    }
    ScreenSize screenSize() const override { return fake.screenSize(); }
    ClockTime localTime() const override { return fake.localTime(); }
    FileSystem& files() override { return faulty; }

    FakePlatform fake;
    WriteFailingFileSystem faulty{fake.fileSystem};
};

}  // namespace corvane::test
