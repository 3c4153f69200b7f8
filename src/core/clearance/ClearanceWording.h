#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

/// The pieces of text the departure and arrival clearances and the assigned lists share.
namespace ClearanceWording {
/// The level part of a clearance from the typed digits: fewer than four characters are a
/// flight level ("FL 80"), more are feet ("5000 FEET"); spaces trimmed.
std::string levelPhrase(std::string_view typed);
/// The callsign padded with spaces to seven characters when it has three to six; any other
/// length stays as it is. Assigned-list entries and log records begin with it.
std::string paddedCallsign(std::string_view callsign);
/// How many trailing characters of the callsign a clearance speaks: the flight number after
/// the three-letter airline designator, or the whole callsign when it has three characters
/// or fewer.
std::int16_t callsignNumberLength(std::string_view callsign);
/// The last `count` characters of the callsign (all of it when it is shorter).
std::string spokenNumber(std::string_view callsign, std::int16_t count);
/// The airline name as a clearance speaks it: spaces trimmed, in capitals.
std::string airlineName(std::string_view shown);
/// The refusal of a clearance for an aircraft whose line the last analysis of its side did
/// not find (it left the snapshot, or its line was cut by a rewrite).
std::string noAnalysedAircraft(std::string_view callsign);
inline constexpr const char* kNoAnalysedAircraftTitle = "NO ANALYSED AIRCRAFT";
/// Where an arrival clearance sends the aircraft direct: for a STAR designator (a name of 2 to
/// 5 letters, one digit, at most one more letter: "UNOKO2", "KERAX2A") its name part, the
/// point where such a STAR begins; any other expected text as it stands.
std::string starEntryPoint(std::string_view expected);
/// The refusal of a clearance for an aircraft whose line says it has filed no flight plan.
std::string noFlightPlan(std::string_view callsign);
inline constexpr const char* kNoFlightPlanTitle = "NO FLIGHT PLAN";
/// The entry of an assigned list: padded callsign, " - ", the code.
std::string assignedEntry(std::string_view callsign, std::string_view code);
}  // namespace ClearanceWording

}  // namespace corvane
