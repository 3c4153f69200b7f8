#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"

namespace corvane {

/// The platform as the aircraft analyses of a refresh see it: the traffic snapshot is the few
/// lines the refresh kept from its one read of the file, every other file is the real one, and
/// no message box is ever shown (a refresh works unseen; nothing in it asks the controller).
class HeldSnapshot final : public Platform, private FileSystem {
public:
    /// Serves `lines` as the file at `snapshotPath`; everything else goes to `platform`.
    HeldSnapshot(Platform& platform, std::string snapshotPath, std::vector<std::string> lines);

    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> browseForFolder(const std::string& prompt) override;
    ScreenSize screenSize() const override { return platform_.screenSize(); }
    ClockTime localTime() const override { return platform_.localTime(); }
    FileSystem& files() override { return *this; }

private:
    bool exists(const std::string& path) const override;
    bool isDirectory(const std::string& path) const override;
    std::unique_ptr<LineSource> openLines(const std::string& path, FileStatus& status) override;
    std::unique_ptr<LineSource> openOwnLines(const std::string& path, FileStatus& status) override;
    void removeStaleTemporaries(const std::string& path) override;
    FileStatus replaceFile(const std::string& path, const std::vector<std::string>& lines) override;
    FileStatus appendLine(const std::string& path, std::string_view line) override;
    FileStatus remove(const std::string& path) override;
    std::optional<std::string> findIgnoringCase(const std::string& folder,
                                                const std::string& name) const override;

    Platform& platform_;
    std::string snapshotPath_;
    std::vector<std::string> lines_;
};

}  // namespace corvane
