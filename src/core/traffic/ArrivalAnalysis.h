#pragma once

#include "traffic/AircraftLineScan.h"

namespace corvane {

class AppContext;

/// `AnalyseArrival`: the aircraft analysis (AircraftAnalysis) of the arrival panel, with the
/// distance still to fly, the flying time, the estimated time of arrival on the local clock and
/// the squawk.
namespace ArrivalAnalysis {
/// Analyses the aircraft named by SelectedArrivalCallsign into the arrival panel and the
/// ArrivalPlan (see AircraftAnalysis::analyse).
ScanResult analyse(AppContext& context);
/// The same analysis on the line a refresh chose from the lines it holds.
void apply(AppContext& context, const ScanResult& scan);
}  // namespace ArrivalAnalysis

}  // namespace corvane
