#pragma once

namespace corvane {

class MainWindowModel;
struct ProgramState;

/// Whether the window works a station: the state the connect leaves and the connection reset
/// ends.
namespace Connection {
/// True while a connect has taken the operator name (its box is locked), knows the snapshot
/// and has found the station's callsign.
bool connected(const MainWindowModel& window, const ProgramState& state);
}  // namespace Connection

}  // namespace corvane
