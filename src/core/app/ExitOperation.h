#pragma once

namespace corvane {

class AppContext;

/// Ending the program: the "EXIT" button and the window system's close request.
namespace ExitOperation {
/// "EXIT": asks "ARE YOU SURE ?"; on Yes deletes the clearance logs and ends the program.
void exit(AppContext& context);
/// Close request: asks the same question; returns false (close refused) on No, otherwise
/// deletes the clearance logs, ends the program and returns true.
bool closeRequested(AppContext& context);
}  // namespace ExitOperation

}  // namespace corvane
