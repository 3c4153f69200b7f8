#pragma once

#include <string>
#include <vector>

#include "traffic/FlightPhase.h"
#include "window/ParameterAdvice.h"

namespace corvane {

/// The two tables of parameter messages.
namespace ParameterMessage {
inline constexpr const char* kNormal = "N O R M A L";
inline constexpr const char* kProblem = "P R O B L E M -  don't use aircraft";

/// First rule of the departure table that holds for `phase` and `figures`.
ParameterAdvice departure(const std::string& phase, const FlightFigures& figures);
/// First rule of the arrival table that holds for `phase` and `figures`.
ParameterAdvice arrival(const std::string& phase, const FlightFigures& figures);
/// The problem message of a line without usable altitude and speed.
ParameterAdvice problem();
/// Every message either panel can show, each with its font size.
std::vector<ParameterAdvice> every();
}  // namespace ParameterMessage

}  // namespace corvane
