#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "traffic/AircraftLineScan.h"
#include "traffic/ParameterMessage.h"

namespace corvane {

class AppContext;
class MainWindowModel;
struct AnalysedPlan;
struct BlinkTimer;
struct Button;
struct Label;
struct PilotReading;
struct TextBox;
enum class TrafficSide;

/// One panel of the aircraft analysis: its labels, list selection, timer and the few rules of
/// its own, so that what the departure and the arrival side do alike is written once.
struct AnalysisSide {
    TrafficSide kind;
    const std::string& selected;
    std::optional<AnalysedPlan>& plan;
    /// The selected callsign when its line says it has filed no flight plan, else "".
    std::string& withoutPlan;
    Label& near;
    Label& altitude;
    Label& speed;
    Label& phase;
    /// The expected procedure (SID or STAR), its clearance and the procedure box.
    Label& expected;
    Label& clearance;
    TextBox& assigned;
    Button& generate;
    Label& message;
    BlinkTimer& timer;
    /// What a VFR flight gets in the procedure box.
    const char* noProcedure;
    std::optional<std::string> (*expectedProcedure)(std::string_view route);
    /// The side's own work on a reading, once the shared labels and the plan record are filled.
    void (*ownWork)(AppContext& context, const PilotReading& pilot);
    /// The side's own look at the figures before they are judged: true when they are unusable.
    bool (*unusable)(MainWindowModel& window);
    ParameterAdvice (*advice)(const std::string& phase, const FlightFigures& figures);
    /// The panel's other labels that show the aircraft, emptied with the ones above when the
    /// snapshot holds no line of it.
    std::vector<Label*> otherLabels;
};

/// The analysis both panels run: reads the selected aircraft's snapshot line into the panel,
/// the labels both panels share and the flight plan record, then classifies its flight phase
/// and shows its parameter message.
namespace AircraftAnalysis {
inline constexpr const char* kVfrClearance =
    "THIS IS A VFR FLIGHT OR LOCAL FLIGHT NO IFR DEPARTURE CLEARANCE. IF THIS IS A TRAINING "
    "FLIGHT PLEASE USE MANUAL INSERT";

/// Analyses the aircraft `side` selected. Only a found line with a filed plan stores the
/// side's AnalysedPlan, for the sheet and the clearance. Without a whole line of the
/// aircraft the panel's aircraft fields are emptied and the problem caption shown; the
/// caller tells the user (AircraftLineScan::reportMissing) when asked to.
ScanResult analyse(AppContext& context, const AnalysisSide& side);
}  // namespace AircraftAnalysis

}  // namespace corvane
