#pragma once

#include <string>
#include <string_view>

namespace corvane {

class AppContext;
class MainWindowModel;
struct ProgramState;
struct StationState;

/// The station's ATIS, the QNH taken from it, and the transition level and QNH in inches of
/// mercury derived from the QNH and the airport's transition altitude.
namespace AtisInformation {
/// The ATIS step, run with the `atis` field of every matching station line: the station takes
/// the ATIS (or "NO ATIS AVAILABLE"), and the four characters of its QNH group ("Q0" before
/// "Q1") as its QNH; says "QNH NOT PRESENT IN ATIS" when they hold no number. The caller shows
/// the station.
void showAtis(AppContext& context, std::string_view atisField);
/// The ATIS step of a refresh, with the `atis` field of the station's new line: the same,
/// but quiet, so an ATIS without a QNH group keeps the QNH shown. When the QNH differs from
/// the one shown, the station takes it, the transition level and inHg value follow (when the
/// connect derived them), and true is returned.
bool refreshAtis(ProgramState& state, std::string_view atisField);
/// refreshAtis, then the station's fields shown again.
bool showRefreshedAtis(MainWindowModel& window, ProgramState& state, std::string_view atisField);
/// The transition-level step, after the squawk table gave the transition altitude: takes the
/// QNH again from the ATIS at `qnhPosition`, then sets the transition level and the QNH in
/// inches; empties the level when there is no QNH.
void transitionLevel(StationState& station, int qnhPosition);
/// The feet added to the transition altitude for a QNH (hPa): 2500 below 977, 2000 below
/// 995, 1500 below 1013.2, else 1000.
double transitionIncrement(double qnh);
/// QNH × 0.02952998751 rounded to two decimals, exact halves to even, decided on the
/// decimal value of the product, as plain text (1013 gives "29.91", 998 "29.47").
std::string inchesOfMercury(double qnh);
/// The four characters after the "Q" of the QNH group at 1-based `position` of `atis`
/// (the first four characters when `position` is 0).
std::string_view qnhText(std::string_view atis, int position);
/// The 1-based position of the first "Q0" in `atis`, else of the first "Q1", else 0.
int qnhPosition(std::string_view atis);
}  // namespace AtisInformation

}  // namespace corvane
