#include "window/AppContext.h"

#include <utility>

namespace corvane {

AppContext::AppContext(MainWindowModel& windowModel, ProgramState& programState, Platform& desktop,
                       ProgramFolder programFolder)
    : window(windowModel),
      state(programState),
      platform(desktop),
      folder(std::move(programFolder)) {}

void AppContext::warn(const std::string& text, const std::string& title) {
    platform.showMessage(text, title, MessageIcon::Exclamation, MessageButtons::Ok);
}

bool AppContext::confirm(const std::string& text, const std::string& title) {
    return platform.showMessage(text, title, MessageIcon::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

}  // namespace corvane
