#pragma once

#include <string>

#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "window/MainWindowModel.h"
#include "window/ProgramState.h"

namespace corvane {

/// The whole of what an operation may work on: the window's fields, the program-wide values,
/// the platform and the program folder. Top-level operations take it; their steps take only
/// the parts they use.
class AppContext {
public:
    AppContext(MainWindowModel& window, ProgramState& state, Platform& platform,
               ProgramFolder folder);

    MainWindowModel& window;
    ProgramState& state;
    Platform& platform;
    ProgramFolder folder;

    FileSystem& files() { return platform.files(); }
    /// Forwards to UserMessage::warn.
    void warn(const std::string& text, const std::string& title = "");
    /// Asks a Yes/No question (UserMessage::confirm); true for Yes.
    bool confirm(const std::string& text, const std::string& title);
};

}  // namespace corvane
