#pragma once

#include <cstddef>

#include "traffic/AircraftLineScan.h"

namespace corvane {

class AppContext;
class SnapshotLine;

/// `AnalyseDeparture`: reads the selected departing aircraft's snapshot line into the departure
/// panel and the flight plan record, then classifies its flight phase and shows its parameter
/// message.
class DepartureAnalysis {
public:
    static constexpr const char* kVfrClearance =
        "THIS IS A VFR FLIGHT OR LOCAL FLIGHT NO IFR DEPARTURE CLEARANCE. IF THIS IS A TRAINING "
        "FLIGHT PLEASE USE MANUAL INSERT";
    static constexpr const char* kNoSid = "NO SID AVAILABLE FLIGHT VFR";

    /// Analyses the aircraft named by SelectedDepartureCallsign. Only a found line with a filed
    /// plan stores the departure side's AnalysedPlan, for the sheet and the clearance. Without a
    /// whole line of the aircraft the panel's aircraft fields are emptied and the problem
    /// caption shown; the caller tells the user (AircraftLineScan::reportMissing) when asked to.
    static ScanResult analyse(AppContext& context);

private:
    static void processField(AppContext& context, std::size_t index, const SnapshotLine& line);
    static void distanceAndFlyingTime(AppContext& context, const SnapshotLine& line);
    static void showVfr(AppContext& context);
    static void forgetAircraft(AppContext& context);
    static void judge(AppContext& context);
};

}  // namespace corvane
