#pragma once

#include <string>
#include <vector>

#include "traffic/FlightPhase.h"

namespace corvane {

struct BlinkTimer;
struct Label;

/// The parameter message of one panel: a blinking red advice, or "N O R M A L" in yellow.
struct ParameterAdvice {
    std::string caption;
    int fontSize = 0;
    /// True for an advice (red, blinking); false for the normal result (yellow, steady).
    bool warning = false;
};

/// The two tables of parameter messages and how a message is put on its label.
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
/// Shows `advice` on `label`: an advice enables `timer` and turns the label red; the normal
/// result disables it and turns the label yellow.
void show(const ParameterAdvice& advice, Label& label, BlinkTimer& timer);
}  // namespace ParameterMessage

}  // namespace corvane
