#pragma once

#include <string>

#include "window/MainWindowModel.h"
#include "window/ProgramState.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"

namespace corvane {

/// What every operation works on: the window's fields, the program-wide values, the platform
/// and the program folder.
class AppContext {
public:
    AppContext(MainWindowModel& window, ProgramState& state, Platform& platform,
               ProgramFolder folder);

    MainWindowModel& window;
    ProgramState& state;
    Platform& platform;
    ProgramFolder folder;

    /// The file system of the platform.
    FileSystem& files() { return platform.files(); }
    /// Shows a failure message: exclamation icon, OK button.
    void warn(const std::string& text, const std::string& title = "");
    /// Asks a Yes/No question with the question icon; true for Yes.
    bool confirm(const std::string& text, const std::string& title);
};

}  // namespace corvane
