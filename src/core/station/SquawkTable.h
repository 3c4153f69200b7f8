#pragma once

#include <string_view>

namespace corvane {

class AppContext;

/// The program's squawk table (DATA/ssr_code.txt): per airport the first and last code of its
/// transponder code block and its transition altitude, by fixed columns:
/// "ICAO:SQUAWK1:SQUAWK2:TRANSITION ALTITUDE", e.g. "EDDF:2301:2377:5000".
namespace SquawkTable {
/// Reads the airport's line into `Lblr1_1`, `Lblr2_1`, `lblTA` and `LblSquawk` and, when
/// the line carries a transition altitude, shows the transition level. An airport missing
/// from the table gets the codes 6000 to 6077 and a message. A missing table is reported and
/// the connection reset. Returns false when the connect must stop (the connection has then
/// been reset).
bool load(AppContext& context);
/// The airport code of a table line: columns 1-4.
std::string_view airport(std::string_view line);
/// Columns 6-9: the first code of the block.
std::string_view firstCode(std::string_view line);
/// Columns 11-14: the last code of the block.
std::string_view lastCode(std::string_view line);
/// Columns 16-20: the transition altitude in feet.
std::string_view transitionAltitude(std::string_view line);
}  // namespace SquawkTable

}  // namespace corvane
