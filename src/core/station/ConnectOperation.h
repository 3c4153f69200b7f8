#pragma once

namespace corvane {

class AppContext;

/// The connect ("CONNECT TO IVAO SERVER"): finds the operator's station in the traffic
/// snapshot, shows it, and loads its runways, squawk range and traffic lists. Every failure
/// shows its message and resets the connection.
namespace ConnectOperation {
/// Runs the whole connect on the operator text of `TxtOperatorName`.
void connect(AppContext& context);
}  // namespace ConnectOperation

}  // namespace corvane
