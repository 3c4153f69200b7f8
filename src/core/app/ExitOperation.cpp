#include "app/ExitOperation.h"

#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "window/ConnectionReset.h"
#include "window/ProgramState.h"
#include "window/UserMessage.h"

namespace corvane {

namespace {

constexpr const char* kQuestion = "ARE YOU SURE ?";
constexpr const char* kTitle = "EXIT";

void endProgram(ProgramState& state, Platform& platform, const ProgramFolder& folder) {
    ConnectionReset::deleteClearanceLogs(platform.files(), folder);
    state.running = false;
}

}  // namespace

void ExitOperation::exit(ProgramState& state, Platform& platform, const ProgramFolder& folder) {
    if (UserMessage::confirm(platform, kQuestion, kTitle)) {
        endProgram(state, platform, folder);
    }
}

bool ExitOperation::closeRequested(ProgramState& state, Platform& platform,
                                   const ProgramFolder& folder) {
    if (!UserMessage::confirm(platform, kQuestion, kTitle)) {
        return false;
    }
    endProgram(state, platform, folder);
    return true;
}

}  // namespace corvane
