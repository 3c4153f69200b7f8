#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "window/AnalysedAircraft.h"
#include "window/AnalysedPlan.h"
#include "window/SquawkCensus.h"
#include "window/StationState.h"
#include "window/TrafficSide.h"

namespace corvane {

/// A side's clearance as its panel shows it: the clearance text and the procedure box (the
/// procedure's lines, or why there is none).
struct ClearanceTexts {
    std::string clearance;
    std::string procedure;
};

/// The program-wide values the main window holds beside its display fields.
struct ProgramState {
    /// False once the program has ended (exit, a granted close request, the screen check).
    bool running = true;
    bool windowCreated = false;

    /// A full path.
    std::string SnapshotPath;
    std::string ProcFolder;
    /// Which setting the next folder choice or settings read concerns: 1 data, 0 procedures.
    std::int16_t FolderSelector = 0;
    /// The station's airport ICAO code, or the area code of a centre.
    std::string AirportCode;
    /// The station of the current connect is an area centre.
    bool CentreMode = false;
    std::string SelectedDepartureCallsign;
    std::string SelectedArrivalCallsign;
    StationState Station;
    /// The aircraft each traffic panel analysed last.
    AnalysedAircraft DepartureAircraft;
    AnalysedAircraft ArrivalAircraft;
    /// The plan of the aircraft last analysed on each side (set only when its line was found).
    std::optional<AnalysedPlan> DeparturePlan;
    std::optional<AnalysedPlan> ArrivalPlan;
    /// The aircraft whose line the last analysis of each side found without a flight plan.
    std::string DepartureWithoutPlan;
    std::string ArrivalWithoutPlan;
    /// Procedure lines collected by the last clearance.
    std::string ProcedureText;
    /// How many trailing callsign characters a clearance speaks.
    std::int16_t CallsignNumberLength = 0;
    /// Side named by the flight plan sheet: 0 departure, 1 arrival; empty until first used.
    std::optional<std::int16_t> FlightPlanKind;

    /// 1-based position of the QNH group in the ATIS, 0 when there is none.
    int QnhPosition = 0;
    /// Folder choices kept for this run only, ahead of their settings file: one that could not
    /// be written to it, or the live feed's folder, which is never written.
    std::optional<std::string> UnsavedSnapshotPath;
    std::optional<std::string> UnsavedProcFolder;

    /// The missing or unreadable airline table has been reported once this run.
    bool AirlineTableReported = false;

    /// Transponder codes given out since the connect.
    std::set<std::string> IssuedCodes;
    /// The codes squawked in the last read of the snapshot since the connect that was whole: a
    /// clearance falls back on it while the file is being rewritten.
    std::optional<SquawkCensus> LastWholeSnapshot;
    /// The aircraft (callsign, code) named in an emergency message since the connect.
    std::set<std::pair<std::string, std::string>> ToldEmergencies;
    /// The VID of the station line the connect found: the station's line is the one of its
    /// callsign and this VID.
    std::string StationVid;
    /// The log records written whole since the connect, by side: the only ones read back.
    std::set<std::string, std::less<>> DepartureRecords;
    std::set<std::string, std::less<>> ArrivalRecords;
    /// Aircraft cleared since the connect, on each side: a refresh of the traffic lists leaves
    /// them out, as the connect's lists lost them.
    std::set<std::string> ClearedDepartures;
    std::set<std::string> ClearedArrivals;
    /// Each side's assigned list, in the order the clearances were given: every entry as it is
    /// shown ("CALLSIGN - CODE", the callsign padded), which a click on it reads back.
    std::vector<std::string> AssignedDepartures;
    std::vector<std::string> AssignedArrivals;
    /// The rule of thumb each panel shows.
    std::string DepartureRule;
    std::string ArrivalRule;
    ClearanceTexts DepartureClearanceTexts;
    ClearanceTexts ArrivalClearanceTexts;
    /// The side whose analysis ran last: the flight plan, distance and planning speed the driver
    /// reports are its aircraft's.
    TrafficSide LastAnalysedSide = TrafficSide::Departure;

    /// The flight plan sheet's value labels (name, text) while the sheet is open.
    std::optional<std::vector<std::pair<std::string, std::string>>> Sheet;

    std::string& selectedCallsign(TrafficSide side) {
        return side == TrafficSide::Departure ? SelectedDepartureCallsign : SelectedArrivalCallsign;
    }
    std::vector<std::string>& assigned(TrafficSide side) {
        return side == TrafficSide::Departure ? AssignedDepartures : AssignedArrivals;
    }
    /// The entry at `index` of `side`'s assigned list, or "" where it has none.
    std::string_view assignedEntry(TrafficSide side, int index) {
        const std::vector<std::string>& entries = assigned(side);
        return index >= 0 && index < static_cast<int>(entries.size())
                   ? std::string_view(entries[static_cast<std::size_t>(index)])
                   : std::string_view();
    }
    ClearanceTexts& clearanceTexts(TrafficSide side) {
        return side == TrafficSide::Departure ? DepartureClearanceTexts : ArrivalClearanceTexts;
    }
    AnalysedAircraft& aircraft(TrafficSide side) {
        return side == TrafficSide::Departure ? DepartureAircraft : ArrivalAircraft;
    }
    const AnalysedAircraft& lastAnalysed() const {
        return LastAnalysedSide == TrafficSide::Departure ? DepartureAircraft : ArrivalAircraft;
    }
};

}  // namespace corvane
