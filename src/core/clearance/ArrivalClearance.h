#pragma once

#include <string>
#include <string_view>

namespace corvane {

class AppContext;
class MainWindowModel;
class Platform;

/// The STAR and approach clearance of the arrival panel: checks the inputs, collects the STAR's
/// procedure line, moves the aircraft to the assigned list and logs the clearance. An arrival
/// keeps its own transponder code.
namespace ArrivalClearance {
/// `ValidateArrival`: runway, STAR and initial descent. The first failing check shows its
/// message, takes the focus to the empty input and gives false; on success `cmdStarGen` is
/// enabled.
bool validate(MainWindowModel& window, Platform& platform);
/// `GenerateArrivalClearance`: the click on `cmdStarGen`.
void generate(AppContext& context);
/// The procedure text after reading `line` of the procedure file: a line of the STAR `star`
/// replaces it.
void collectLine(std::string& procedureText, std::string_view line, std::string_view star);
}  // namespace ArrivalClearance

}  // namespace corvane
