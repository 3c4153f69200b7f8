#pragma once

namespace corvane {

class Platform;
class ProgramFolder;
struct ProgramState;

/// Ending the program: the "EXIT" button and the window system's close request.
namespace ExitOperation {
/// "EXIT": asks "ARE YOU SURE ?"; on Yes deletes the clearance logs and ends the program.
void exit(ProgramState& state, Platform& platform, const ProgramFolder& folder);
/// Close request: asks the same question; returns false (close refused) on No, otherwise
/// deletes the clearance logs, ends the program and returns true.
bool closeRequested(ProgramState& state, Platform& platform, const ProgramFolder& folder);
}  // namespace ExitOperation

}  // namespace corvane
