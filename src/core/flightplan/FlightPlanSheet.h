#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace corvane {

class MainWindowModel;
struct ProgramState;

/// The flight plan sheet: the filed plan of one side's selected aircraft as the ICAO form's
/// value labels. It is open while `ProgramState::Sheet` holds its labels.
namespace FlightPlanSheet {
/// `FlightPlanKind` of a sheet opened from the departure panel.
inline constexpr std::int16_t kDeparture = 0;
/// `FlightPlanKind` of a sheet opened from the arrival panel.
inline constexpr std::int16_t kArrival = 1;

/// The value labels (name, text), in the layout's field order.
using Labels = std::vector<std::pair<std::string, std::string>>;

/// Names the side (`FlightPlanKind`), then opens the sheet filled afresh.
void open(ProgramState& state, std::int16_t kind);
/// The value labels for the side `FlightPlanKind` names (departure for 0, arrival
/// otherwise), as the state stands now. Item 7 is the side's selected callsign as it is
/// held, trailing spaces included; every other field is that aircraft's own plan, and is
/// empty when the side has no analysed plan for that aircraft.
Labels labels(const ProgramState& state);
/// The close box: the sheet is discarded, `FlightPlanKind` becomes 1 and the main window,
/// active again, runs its activation.
void close(MainWindowModel& window, ProgramState& state);
}  // namespace FlightPlanSheet

}  // namespace corvane
