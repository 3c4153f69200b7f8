#pragma once

#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace corvane {

enum class MessageIcon { Exclamation, Question };
enum class MessageButtons { Ok, YesNo };
/// The button the user pressed.
enum class MessageAnswer { Ok, Yes, No };

/// Screen size in twips (1/1440 inch).
struct ScreenSize {
    long long widthTwips = 0;
    long long heightTwips = 0;
};

/// Local wall-clock time of day.
struct ClockTime {
    int hour = 0;
    int minute = 0;
};

/// What the program's logic needs from the desktop: message boxes, the folder browser, the
/// screen, the clock, the display settings and the files. The Qt front end, the headless driver
/// and the tests each provide one.
class Platform {
public:
    virtual ~Platform() = default;

    /// Shows a modal message box and returns the button pressed (Ok for an OK box).
    virtual MessageAnswer showMessage(const std::string& text, const std::string& title,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    /// Shows the modal folder browser with `prompt`; the chosen folder's path, or nothing.
    virtual std::optional<std::string> browseForFolder(const std::string& prompt) = 0;
    virtual ScreenSize screenSize() const = 0;
    virtual ClockTime localTime() const = 0;
    virtual FileSystem& files() = 0;
};

}  // namespace corvane
