#pragma once

namespace corvane {

class AppContext;
class MainWindowModel;

/// The refresh of follow mode (F5, or a rewrite of the snapshot): one read of the snapshot
/// brings the traffic lists, the selected aircraft of each side and the station's ATIS up to
/// date, with nothing the controller chose or typed lost and no message box shown but the one
/// that names an aircraft newly squawking an emergency code.
namespace TrafficRefresh {
enum class Outcome {
    Refreshed,     ///< the window shows the snapshot as it is now
    NotConnected,  ///< there is no station to follow: nothing was read
    NotReady,      ///< the snapshot is missing, unreadable or half-written: nothing changed
};

/// Reads the snapshot once: reloads LstDeparture and LstArrival by the connect's rules,
/// without the aircraft cleared since the connect, keeping the selected callsign selected;
/// analyses the selected aircraft of each side again; marks the four lists' entries from what
/// the pilots squawk (SquawkWatch); shows the station's ATIS again and
/// marks the QNH fields when the QNH changed. A snapshot that cannot be read whole, ends
/// inside a line or no longer holds the station's line changes nothing.
Outcome refresh(AppContext& context);
/// A click on `lblQNH` or `lblPollici`: the controller has seen the new QNH.
void qnhSeen(MainWindowModel& window);
}  // namespace TrafficRefresh

}  // namespace corvane
