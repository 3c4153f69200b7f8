#pragma once

#include <string>

#include "platform/Platform.h"

namespace corvane {

/// The two message boxes every feature shows, for operations that hold the platform but not
/// the whole AppContext (whose warn() and confirm() forward here).
namespace UserMessage {
/// A failure message: exclamation icon, OK button.
void warn(Platform& platform, const std::string& text, const std::string& title = "");
/// A Yes/No question with the question icon; true for Yes.
bool confirm(Platform& platform, const std::string& text, const std::string& title);
}  // namespace UserMessage

}  // namespace corvane
