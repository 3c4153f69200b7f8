#pragma once

#include "traffic/AircraftLineScan.h"

namespace corvane {

class AppContext;

/// `AnalyseDeparture`: the aircraft analysis (AircraftAnalysis) of the departure panel, with
/// the distance of the whole route and the flying time.
namespace DepartureAnalysis {
/// Analyses the aircraft named by SelectedDepartureCallsign into the departure panel and the
/// DeparturePlan (see AircraftAnalysis::analyse).
ScanResult analyse(AppContext& context);
/// The same analysis on the line a refresh chose from the lines it holds.
void apply(AppContext& context, const ScanResult& scan);
}  // namespace DepartureAnalysis

}  // namespace corvane
