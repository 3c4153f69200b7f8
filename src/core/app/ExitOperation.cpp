#include "app/ExitOperation.h"

#include "window/AppContext.h"
#include "window/ConnectionReset.h"

namespace corvane {

namespace {

constexpr const char* kQuestion = "ARE YOU SURE ?";
constexpr const char* kTitle = "EXIT";

void endProgram(AppContext& context) {
    ConnectionReset::deleteClearanceLogs(context);
    context.state.running = false;
}

}  // namespace

void ExitOperation::exit(AppContext& context) {
    if (context.confirm(kQuestion, kTitle)) {
        endProgram(context);
    }
}

bool ExitOperation::closeRequested(AppContext& context) {
    if (!context.confirm(kQuestion, kTitle)) {
        return false;
    }
    endProgram(context);
    return true;
}

}  // namespace corvane
