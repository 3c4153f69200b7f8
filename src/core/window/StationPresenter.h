#pragma once

#include <span>
#include <string>

#include "window/MainWindowModel.h"
#include "window/StationState.h"

namespace corvane {

/// Writes the station's fields of the window (top strip, ATIS, squawk range) from its state.
namespace StationPresenter {
/// A value field and the station's value it shows.
struct Field {
    Label& (*label)(MainWindowModel&);
    std::string StationState::*value;
};

std::span<const Field> fields();
void present(const StationState& station, MainWindowModel& window);
}  // namespace StationPresenter

}  // namespace corvane
