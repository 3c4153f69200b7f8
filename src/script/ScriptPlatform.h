#pragma once

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/LocalFileSystem.h"
#include "platform/Platform.h"

namespace corvane {

/// A message box as the driver reports it.
struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    MessageButtons buttons;
};

/// Thrown when a Yes/No message box appears and no answer was queued.
class UnansweredQuestion : public std::runtime_error {
public:
    UnansweredQuestion()
        : std::runtime_error("a Yes/No message box appeared with no answer queued") {}
};

/// The platform of the headless driver: answers and folder choices come from queues the
/// script fills, the screen and the clock are what the script sets, files are the real ones
/// unless another file system is given (the fuzz targets keep theirs in memory).
class ScriptPlatform final : public Platform {
public:
    /// `files`, when given, must outlive the platform.
    explicit ScriptPlatform(FileSystem* files = nullptr) : files_(files ? files : &local_) {}

    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> browseForFolder(const std::string& prompt) override;
    ScreenSize screenSize() const override;
    ClockTime localTime() const override;
    FileSystem& files() override { return *files_; }

    /// Queues the answer of the next Yes/No box.
    void queueAnswer(bool yes) { answers_.push_back(yes); }
    /// Queues the result of the next folder browser (nothing = cancelled).
    void queueFolder(std::optional<std::string> folder) { folders_.push_back(std::move(folder)); }
    /// Sets the screen size in pixels of 15 twips.
    void setScreenPixels(long long width, long long height);
    void setClock(ClockTime time) { clock_ = time; }
    /// Every message box shown so far, oldest first.
    const std::vector<ShownMessage>& messages() const { return messages_; }

private:
    LocalFileSystem local_;
    FileSystem* files_;
    std::deque<bool> answers_;
    std::deque<std::optional<std::string>> folders_;
    ScreenSize screen_{1920LL * 15, 1080LL * 15};
    std::optional<ClockTime> clock_;
    std::vector<ShownMessage> messages_;
};

}  // namespace corvane
