#include "window/AppContext.h"

#include <utility>

#include "window/UserMessage.h"

namespace corvane {

AppContext::AppContext(MainWindowModel& windowModel, ProgramState& programState, Platform& desktop,
                       ProgramFolder programFolder)
    : window(windowModel),
      state(programState),
      platform(desktop),
      folder(std::move(programFolder)) {}

void AppContext::warn(const std::string& text, const std::string& title) {
    UserMessage::warn(platform, text, title);
}

bool AppContext::confirm(const std::string& text, const std::string& title) {
    return UserMessage::confirm(platform, text, title);
}

}  // namespace corvane
