#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "traffic/AircraftLineScan.h"
#include "traffic/ParameterMessage.h"

namespace corvane {

class AppContext;
class MainWindowModel;
struct AnalysedAircraft;
struct AnalysedPlan;
struct ClearanceTexts;
struct PilotReading;
struct TrafficPanel;
enum class TrafficSide;

/// One side of the aircraft analysis: its aircraft, its plan, the fields it writes beside them
/// and the few rules of its own, so that what the departure and the arrival side do alike is
/// written once.
struct AnalysisSide {
    TrafficSide kind;
    const std::string& selected;
    AnalysedAircraft& aircraft;
    std::optional<AnalysedPlan>& plan;
    /// The selected callsign when its line says it has filed no flight plan, else "".
    std::string& withoutPlan;
    /// The side's clearance, which a VFR flight replaces, and its panel's clearance button.
    ClearanceTexts& clearance;
    TrafficPanel& panel;
    /// What a VFR flight gets in the procedure box.
    const char* noProcedure;
    std::optional<std::string> (*expectedProcedure)(std::string_view route);
    /// The side's own figures from a reading, once the shared ones and the plan are filled.
    void (*ownWork)(AnalysedAircraft& aircraft, const PilotReading& pilot, const ClockTime& now);
    /// The side's own look at the figures before they are judged: true when they are unusable.
    bool (*unusable)(AnalysedAircraft& aircraft);
    ParameterAdvice (*advice)(const std::string& phase, const FlightFigures& figures);
};

/// The analysis both panels run: reads the selected aircraft's snapshot line into the side's
/// aircraft and plan record, classifies its flight phase and shows its parameter message.
namespace AircraftAnalysis {
inline constexpr const char* kVfrClearance =
    "THIS IS A VFR FLIGHT OR LOCAL FLIGHT NO IFR DEPARTURE CLEARANCE. IF THIS IS A TRAINING "
    "FLIGHT PLEASE USE MANUAL INSERT";

/// Analyses the aircraft `side` selected from one read of the snapshot. Only a found line with a
/// filed plan stores the side's AnalysedPlan, for the sheet and the clearance. Without a whole
/// line of the aircraft its figures are emptied and the problem caption shown; the caller tells
/// the user (AircraftLineScan::reportMissing) when asked to.
ScanResult analyse(AppContext& context, const AnalysisSide& side);
/// The same analysis on a line already chosen (a refresh's held lines).
void apply(AppContext& context, const AnalysisSide& side, const ScanResult& scan);
}  // namespace AircraftAnalysis

}  // namespace corvane
