#pragma once

#include <string>

namespace corvane {

class AircraftSquawks;
class MainWindowModel;
class Platform;
struct ProgramState;

/// The look at the transponders that follows each read of the whole snapshot (the connect, an
/// analysis, a refresh): every entry of LstDeparture, LstArrival, List1 and List2 is marked
/// (SquawkMarks), and an aircraft of those lists newly seen squawking an emergency code is
/// named in a message box, once per aircraft and code while connected.
namespace SquawkWatch {
void watch(MainWindowModel& window, ProgramState& state, Platform& platform,
           const AircraftSquawks& squawks);
void tellEmergency(Platform& platform, const std::string& callsign, const std::string& code);
}  // namespace SquawkWatch

}  // namespace corvane
