#pragma once

namespace corvane {

class AppContext;
class MainWindowModel;
class Platform;
struct ProgramState;

/// What creating the main window does, and what each activation of it does.
namespace StartupSequence {
/// Screen check (ends the program on a screen under 1024 x 768 pixels), collapsed layout,
/// always on top, only "EXIT" enabled.
void run(AppContext& context);
/// Activation: the first-activation work while no flight plan sheet has been closed yet;
/// clears `CentreMode` every time.
void activate(MainWindowModel& window, ProgramState& state);
/// `ScreenAtLeast`: the screen is at least `width` x `height` pixels of 15 twips.
bool screenAtLeast(const Platform& platform, int width, int height);
}  // namespace StartupSequence

}  // namespace corvane
