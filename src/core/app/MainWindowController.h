#pragma once

#include <string>

#include "window/ActionRegistry.h"
#include "window/AppContext.h"
#include "window/MainWindowModel.h"
#include "window/ProgramState.h"

namespace corvane {

enum class ActionResult {
    Done,
    Ignored,         ///< the control is disabled (or the timer stopped): nothing happened
    UnknownControl,  ///< the window has no such control of the right kind
    BadIndex,        ///< the list or combo box has no item of that index
};

/// The main window's logic: owns the view model and the program-wide values and takes every
/// user action (clicks, selections, key presses, pastes, timer ticks, activation, closing).
class MainWindowController {
public:
    MainWindowController(Platform& platform, const std::string& programFolder);
    MainWindowController(const MainWindowController&) = delete;
    MainWindowController& operator=(const MainWindowController&) = delete;

    MainWindowModel& window() { return window_; }
    const MainWindowModel& window() const { return window_; }
    ProgramState& state() { return state_; }
    const ProgramState& state() const { return state_; }
    AppContext& context() { return context_; }

    /// Creates the window: the start-up sequence, then the first activation.
    void start();
    void activate();
    /// A click on a button (a disabled button does nothing), or on a value field that takes
    /// clicks (the QNH fields).
    ActionResult click(const std::string& control);
    /// One refresh of follow mode: the traffic lists, the selected aircraft and the ATIS read
    /// again from the snapshot. Done when it ran; Ignored when not connected or when the
    /// snapshot was not ready (then nothing changed).
    ActionResult refresh();
    /// Selects item `index` of a list or combo box and runs its selection handler.
    ActionResult select(const std::string& control, int index);
    /// One key press with a character code in a filtered text box.
    ActionResult keyPress(const std::string& control, char32_t code);
    /// Replaces the text of a text box or combo box as a paste does (no key filter).
    ActionResult paste(const std::string& control, const std::string& text);
    /// One tick of `Timer1` or `Timer2`.
    ActionResult tick(const std::string& timer);
    /// The window system asks to close the window; false when the user refuses.
    bool requestClose();
    /// The flight plan sheet's close box.
    ActionResult closeSheet();

private:
    MainWindowModel window_;
    ProgramState state_;
    AppContext context_;
    ActionRegistry actions_;
};

}  // namespace corvane
