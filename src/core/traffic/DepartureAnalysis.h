#pragma once

#include <cstddef>

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

    /// Analyses the aircraft named by SelectedDepartureCallsign. When its line was found, the
    /// departure side's AnalysedPlan is stored for the flight plan sheet.
    static void analyse(AppContext& context);

private:
    static void processField(AppContext& context, std::size_t index, const SnapshotLine& line);
    static void distanceAndFlyingTime(AppContext& context, const SnapshotLine& line);
    static void showVfr(AppContext& context);
    static void judge(AppContext& context);
};

}  // namespace corvane
