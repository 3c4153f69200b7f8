#pragma once

#include <cstddef>

#include "traffic/AircraftLineScan.h"

namespace corvane {

class AppContext;
class SnapshotLine;

/// `AnalyseArrival`: reads the selected arriving aircraft's snapshot line into the arrival panel
/// (and the shared labels and flight plan record), with the distance still to fly, the flying
/// time, the estimated time of arrival on the local clock and the squawk, then classifies its
/// flight phase and shows its parameter message.
class ArrivalAnalysis {
public:
    static constexpr const char* kNoStar = "NO STAR AVAILABLE VFR FLIGHT";

    /// Analyses the aircraft named by SelectedArrivalCallsign. Only a found line with a filed
    /// plan stores the arrival side's AnalysedPlan, for the sheet and the clearance. Without a
    /// whole line of the aircraft the panel's aircraft fields are emptied and the problem
    /// caption shown; the caller tells the user (AircraftLineScan::reportMissing) when asked to.
    static ScanResult analyse(AppContext& context);

private:
    static void processField(AppContext& context, std::size_t index, const SnapshotLine& line);
    static void arrivalTime(AppContext& context);
    static void showVfr(AppContext& context);
    static void forgetAircraft(AppContext& context);
    static void judge(AppContext& context);
};

}  // namespace corvane
