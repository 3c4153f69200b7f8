#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/LocalFileSystem.h"
#include "platform/Platform.h"

namespace corvane::test {

/// A message box the program showed.
struct RecordedMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
};

/// The real file system, except that every write (replace, append, delete) can be refused with
/// `failure`, as a read-only DATA folder or a full disk does. The tests run as root, where a
/// chmod does not stop a write, so the refusal is made here.
class WriteFailingFileSystem final : public FileSystem {
public:
    /// When true, every write fails with `failure` and changes nothing.
    bool denyWrites = false;
    /// The status a refused write gives.
    FileStatus failure = FileStatus::AccessDenied;

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
        return denyWrites ? failure : inner_.replaceFile(path, lines);
    }
    FileStatus appendLine(const std::string& path, std::string_view line) override {
        return denyWrites ? failure : inner_.appendLine(path, line);
    }
    FileStatus remove(const std::string& path) override {
        return denyWrites ? failure : inner_.remove(path);
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
    LocalFileSystem inner_;
};

/// Platform for tests: records message boxes, answers Yes/No questions and folder choices from
/// queues (an unqueued question fails the test), fixed screen and clock, real files whose writes
/// can be refused.
class FakePlatform final : public Platform {
public:
    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.push_back({text, title, icon, buttons});
        if (buttons == MessageButtons::Ok) {
            return MessageAnswer::Ok;
        }
        if (answers.empty()) {
            throw std::logic_error("unexpected question: " + text);
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    std::optional<std::string> browseForFolder(const std::string& prompt) override {
        prompts.push_back(prompt);
        if (folders.empty()) {
            return std::nullopt;
        }
        auto folder = folders.front();
        folders.pop_front();
        return folder;
    }
    ScreenSize screenSize() const override { return screen; }
    ClockTime localTime() const override { return clock; }
    FileSystem& files() override { return fileSystem; }

    /// Texts of the messages shown, oldest first.
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : messages) {
            texts.push_back(message.text);
        }
        return texts;
    }

    std::vector<RecordedMessage> messages;
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> folders;
    std::vector<std::string> prompts;
    ScreenSize screen{1920LL * 15, 1080LL * 15};
    ClockTime clock{12, 0};
    WriteFailingFileSystem fileSystem;
};

}  // namespace corvane::test
