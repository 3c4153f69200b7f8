#include "SnapshotFormatter.h"

#include <array>
#include <cmath>

#include "AirportCatalog.h"
#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotWriter.h"
#include "snapshot/WakeMarker.h"

namespace corvane::sim {

namespace {

std::string whole(double value) {
    return std::to_string(std::lround(value));
}

// The area control of whichever end of the flight the aircraft is closer to.
std::string_view currentArea(const FiledPlan& plan, const AircraftState& state) {
    if (plan.destination.empty()) {
        return AirportCatalog::get(plan.departure).areaCode;
    }
    const Airport& dep = AirportCatalog::get(plan.departure);
    const Airport& dest = AirportCatalog::get(plan.destination);
    return GreatCircle::distanceNm(state.position, dep.position) <=
                   GreatCircle::distanceNm(state.position, dest.position)
               ? dep.areaCode
               : dest.areaCode;
}

}  // namespace

std::string SnapshotFormatter::fixed(double value, int decimals) {
    return SnapshotWriter::fixed(value, decimals);
}

void SnapshotFormatter::appendStation(std::string& out, const Station& station) {
    std::array<std::string, snapshot::kStationFieldCount> f;
    f[snapshot::Callsign] = station.callsign;
    f[snapshot::Vid] = station.vid;
    f[snapshot::RealName] = station.realName;
    f[snapshot::StationRating] = station.rating;
    f[snapshot::Frequency] = station.frequency;
    f[snapshot::StationKind] = "ATC";
    f[snapshot::LocationName] = station.location;
    f[snapshot::Latitude] = fixed(station.position.lat, 5);
    f[snapshot::Longitude] = fixed(station.position.lon, 5);
    f[snapshot::VisualRange] = "150";
    f[snapshot::StationCounter1] = "0";
    f[snapshot::StationCounter2] = "0";
    f[snapshot::Atis] = station.atis;
    f[snapshot::AtisTime] = station.atis.empty() ? "" : "0950";
    f[snapshot::StationServer] = "EU2";
    SnapshotWriter::appendLine(out, f);
}

void SnapshotFormatter::appendPilot(std::string& out, const FiledPlan& plan,
                                    const AircraftState& state) {
    const bool hasPlan = plan.aircraftType != "NONE";
    const Airport* dep = plan.departure.empty() ? nullptr : &AirportCatalog::get(plan.departure);
    const Airport* dest =
        plan.destination.empty() ? nullptr : &AirportCatalog::get(plan.destination);
    const bool onGround = state.altitudeFt < 6000.0 && state.groundSpeedKt < 60.0;

    std::array<std::string, snapshot::kPilotFieldCount> f;
    f[snapshot::Callsign] = plan.callsign;
    f[snapshot::Vid] = plan.vid;
    f[snapshot::RealName] = plan.pilotName;
    f[snapshot::ClientKind] = "PILOT";
    f[snapshot::PilotRating] = "2";
    f[snapshot::PilotServer] = "EU2";
    f[snapshot::Latitude] = fixed(state.position.lat, 5);
    f[snapshot::Longitude] = fixed(state.position.lon, 5);
    f[snapshot::Heading] = whole(state.headingDeg);
    f[snapshot::PositionNear] = plan.nearFix.empty() ? "ZZZZ" : plan.nearFix;
    f[snapshot::Altitude] = whole(state.altitudeFt);
    f[snapshot::GroundSpeed] = whole(state.groundSpeedKt);
    f[snapshot::AcType] = plan.aircraftType;
    // Count, type and wake marker take the first nine characters of the equipment field.
    f[snapshot::Equipment] =
        hasPlan ? "1/" + plan.aircraftType + "/" + WakeMarker::of(plan.wake) + plan.equipment : "";
    f[snapshot::DepAirport] = plan.departure;
    if (dep != nullptr) {
        f[snapshot::DepLat] = fixed(dep->position.lat, 4);
        f[snapshot::DepLon] = fixed(dep->position.lon, 4);
        f[snapshot::CtrCurrent] = currentArea(plan, state);
        f[snapshot::CtrDep] = dep->areaCode;
    }
    f[snapshot::DestAirport] = plan.destination;
    if (dest != nullptr) {
        f[snapshot::DestLat] = fixed(dest->position.lat, 4);
        f[snapshot::DestLon] = fixed(dest->position.lon, 4);
        f[snapshot::CtrArr] = dest->areaCode;
    }
    f[snapshot::AltnAirport] = plan.alternate;
    f[snapshot::Altn2Airport] = plan.alternate2;
    f[snapshot::CruiseLevel] = plan.cruiseLevel;
    f[snapshot::CruiseSpeed] = plan.cruiseSpeed;
    f[snapshot::FlightRules] = plan.flightRules;
    f[snapshot::DepTime] = plan.departureTime;
    f[snapshot::Eet] = plan.totalEet;
    f[snapshot::Endurance] = plan.endurance;
    f[snapshot::Route] = plan.route;
    f[snapshot::Remarks] = plan.remarks;
    f[snapshot::Squawk] = plan.squawk;
    f[snapshot::TransponderMode] = plan.squawk == "0000" ? "S" : "C";
    f[snapshot::OnGround] = onGround ? "1" : "0";
    f[snapshot::PersonsOnBoard] = plan.personsOnBoard;
    f[snapshot::FlightType] = plan.flightType;
    SnapshotWriter::appendLine(out, f);
}

}  // namespace corvane::sim
