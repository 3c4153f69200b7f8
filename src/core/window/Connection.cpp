#include "window/Connection.h"

#include "window/MainWindowModel.h"
#include "window/ProgramState.h"

namespace corvane {

bool Connection::connected(const MainWindowModel& window, const ProgramState& state) {
    return !window.topStrip.account.enabled && !state.SnapshotPath.empty() &&
           !state.Station.callsign.empty();
}

}  // namespace corvane
