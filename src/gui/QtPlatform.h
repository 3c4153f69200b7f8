#pragma once

#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "platform/LocalFileSystem.h"
#include "platform/Platform.h"

class QWidget;

namespace corvane {

/// One message box as the logic asks for it.
struct MessageRequest {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::Ok;
};

/// The platform of the desktop program: Qt message boxes and folder browser, the screen of
/// the display, the local clock and the machine's files.
///
/// The screen is measured the way the program always counted it: 15 twips per
/// device-independent pixel. Qt reports screens in device-independent pixels, so a display
/// scaled above 100 % reports fewer of them (1024 x 768 physical pixels at 125 % are 819 x 614)
/// and fails the same physical size that passes at 100 %.
class QtPlatform final : public Platform {
public:
    using MessageHandler = std::function<MessageAnswer(const MessageRequest&)>;
    using FolderHandler = std::function<std::optional<std::string>(const std::string& prompt)>;

    /// The window message boxes and the folder browser belong to, so that they stay above it.
    void setOwner(QWidget* owner) { owner_ = owner; }
    /// Replaces the message boxes (tests, screenshots); null restores them.
    void setMessageHandler(MessageHandler handler) { messageHandler_ = std::move(handler); }
    /// Replaces the folder browser (tests, screenshots); null restores it.
    void setFolderHandler(FolderHandler handler) { folderHandler_ = std::move(handler); }
    /// Pretends a screen of this many twips (tests); nothing measures the real one.
    void setScreenOverride(std::optional<ScreenSize> screen) { screenOverride_ = screen; }

    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override;
    std::optional<std::string> browseForFolder(const std::string& prompt) override;
    ScreenSize screenSize() const override;
    ClockTime localTime() const override;
    FileSystem& files() override { return files_; }

    /// Twips of a screen of `width` x `height` device-independent pixels.
    static ScreenSize twipsOf(int width, int height);

private:
    MessageAnswer showMessageBox(const MessageRequest& request);

    QPointer<QWidget> owner_;
    MessageHandler messageHandler_;
    FolderHandler folderHandler_;
    std::optional<ScreenSize> screenOverride_;
    LocalFileSystem files_;
};

}  // namespace corvane
