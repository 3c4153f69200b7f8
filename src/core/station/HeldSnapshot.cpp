#include "station/HeldSnapshot.h"

#include <utility>

namespace corvane {

namespace {

class HeldLines final : public LineSource {
public:
    explicit HeldLines(const std::vector<std::string>& lines) : lines_(lines) {}

    bool next(std::string_view& line) override {
        if (next_ == lines_.size()) {
            return false;
        }
        line = lines_[next_++];
        return true;
    }
    bool failed() const override { return false; }

private:
    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
};

}  // namespace

HeldSnapshot::HeldSnapshot(Platform& platform, std::string snapshotPath,
                           std::vector<std::string> lines)
    : platform_(platform), snapshotPath_(std::move(snapshotPath)), lines_(std::move(lines)) {}

MessageAnswer HeldSnapshot::showMessage(const std::string& /*text*/, const std::string& /*title*/,
                                        MessageIcon /*icon*/, MessageButtons buttons) {
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

std::optional<std::string> HeldSnapshot::browseForFolder(const std::string& /*prompt*/) {
    return std::nullopt;
}

bool HeldSnapshot::exists(const std::string& path) const {
    return path == snapshotPath_ || platform_.files().exists(path);
}

bool HeldSnapshot::isDirectory(const std::string& path) const {
    return path != snapshotPath_ && platform_.files().isDirectory(path);
}

std::unique_ptr<LineSource> HeldSnapshot::openLines(const std::string& path, FileStatus& status) {
    if (path == snapshotPath_) {
        status = FileStatus::Ok;
        return std::make_unique<HeldLines>(lines_);
    }
    return platform_.files().openLines(path, status);
}

std::unique_ptr<LineSource> HeldSnapshot::openOwnLines(const std::string& path,
                                                       FileStatus& status) {
    return platform_.files().openOwnLines(path, status);
}

void HeldSnapshot::removeStaleTemporaries(const std::string& path) {
    platform_.files().removeStaleTemporaries(path);
}

FileStatus HeldSnapshot::replaceFile(const std::string& path,
                                     const std::vector<std::string>& lines) {
    return platform_.files().replaceFile(path, lines);
}

FileStatus HeldSnapshot::appendLine(const std::string& path, std::string_view line) {
    return platform_.files().appendLine(path, line);
}

FileStatus HeldSnapshot::remove(const std::string& path) {
    return platform_.files().remove(path);
}

std::optional<std::string> HeldSnapshot::findIgnoringCase(const std::string& folder,
                                                          const std::string& name) const {
    return platform_.files().findIgnoringCase(folder, name);
}

}  // namespace corvane
