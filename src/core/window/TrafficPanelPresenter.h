#pragma once

#include <span>
#include <string>

#include "window/AnalysedAircraft.h"
#include "window/MainWindowModel.h"

namespace corvane {

struct ProgramState;

/// Writes the aircraft fields of the departure and the arrival panel, each from its own side's
/// analysed aircraft only.
namespace TrafficPanelPresenter {
/// A value field of a panel and the figure of the side's aircraft it shows.
struct Field {
    Label& (*label)(MainWindowModel&);
    std::string AnalysedAircraft::*value;
};

std::span<const Field> departureFields();
std::span<const Field> arrivalFields();

/// Writes `side`'s panel: its aircraft's figures and parameter message, its clearance, its
/// assigned list and its rule of thumb. An entry of the list keeps its squawk mark while it stays;
/// a new one is unmarked until the next look at the snapshot.
void present(TrafficSide side, const ProgramState& state, MainWindowModel& window);
}  // namespace TrafficPanelPresenter

}  // namespace corvane
