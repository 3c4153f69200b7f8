#include "window/UserMessage.h"

namespace corvane {

void UserMessage::warn(Platform& platform, const std::string& text, const std::string& title) {
    platform.showMessage(text, title, MessageIcon::Exclamation, MessageButtons::Ok);
}

bool UserMessage::confirm(Platform& platform, const std::string& text, const std::string& title) {
    return platform.showMessage(text, title, MessageIcon::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

}  // namespace corvane
