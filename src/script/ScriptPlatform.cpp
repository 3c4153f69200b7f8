#include "ScriptPlatform.h"

#include "platform/SystemServices.h"

namespace corvane {

MessageAnswer ScriptPlatform::showMessage(const std::string& text, const std::string& title,
                                          MessageIcon icon, MessageButtons buttons) {
    messages_.push_back({text, title, icon, buttons});
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    if (answers_.empty()) {
        throw UnansweredQuestion();
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<std::string> ScriptPlatform::browseForFolder(const std::string& /*prompt*/) {
    if (folders_.empty()) {
        return std::nullopt;  // nothing queued: the user closes the browser
    }
    auto folder = folders_.front();
    folders_.pop_front();
    return folder;
}

ScreenSize ScriptPlatform::screenSize() const {
    return screen_;
}

void ScriptPlatform::setScreenPixels(long long width, long long height) {
    screen_ = {width * 15, height * 15};
}

ClockTime ScriptPlatform::localTime() const {
    if (clock_) {
        return *clock_;
    }
    return localClockTime();
}

}  // namespace corvane
