#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
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

/// Platform for tests: records message boxes, answers Yes/No questions and folder choices from
/// queues (an unqueued question fails the test), fixed screen and clock, real files.
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
    LocalFileSystem fileSystem;
};

}  // namespace corvane::test
