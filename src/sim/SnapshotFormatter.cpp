#include "SnapshotFormatter.h"

#include <cmath>

#include "AirportCatalog.h"
#include "snapshot/SnapshotWriter.h"

namespace corvane::sim {

namespace {

void field(std::string& out, std::string_view text) {
    SnapshotWriter::appendField(out, text);
}

void lastField(std::string& out, std::string_view text) {
    SnapshotWriter::appendLastField(out, text);
}

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
    field(out, station.callsign);
    field(out, station.vid);
    field(out, station.realName);
    field(out, station.rating);
    field(out, station.frequency);
    field(out, "ATC");
    field(out, station.location);
    field(out, fixed(station.position.lat, 5));
    field(out, fixed(station.position.lon, 5));
    field(out, "150");
    field(out, "");
    field(out, "0");
    field(out, "0");
    field(out, station.atis);
    field(out, station.atis.empty() ? "" : "0950");
    lastField(out, "EU2");
}

void SnapshotFormatter::appendPilot(std::string& out, const FiledPlan& plan,
                                    const AircraftState& state) {
    const bool hasPlan = plan.aircraftType != "NONE";
    const Airport* dep = plan.departure.empty() ? nullptr : &AirportCatalog::get(plan.departure);
    const Airport* dest =
        plan.destination.empty() ? nullptr : &AirportCatalog::get(plan.destination);
    const bool onGround = state.altitudeFt < 6000.0 && state.groundSpeedKt < 60.0;

    field(out, plan.callsign);
    field(out, plan.vid);
    field(out, plan.pilotName);
    field(out, "PILOT");
    field(out, "");
    field(out, "2");
    field(out, "EU2");
    field(out, fixed(state.position.lat, 5));  // 7
    field(out, fixed(state.position.lon, 5));
    field(out, whole(state.headingDeg));
    field(out, plan.nearFix.empty() ? "ZZZZ" : plan.nearFix);  // 10
    field(out, whole(state.altitudeFt));
    field(out, whole(state.groundSpeedKt));
    field(out, "");
    field(out, plan.aircraftType);  // 14
    // Count, type and wake marker take the first nine characters of the equipment field.
    field(out, hasPlan ? "1/" + plan.aircraftType + "/" + plan.wake + "-" + plan.equipment : "");
    field(out, plan.departure);  // 16
    field(out, "");
    field(out, "");
    field(out, dep != nullptr ? fixed(dep->position.lat, 4) : "");  // 19
    field(out, dep != nullptr ? fixed(dep->position.lon, 4) : "");
    field(out, plan.destination);  // 21
    field(out, "");
    field(out, "");
    field(out, dest != nullptr ? fixed(dest->position.lat, 4) : "");  // 24
    field(out, dest != nullptr ? fixed(dest->position.lon, 4) : "");
    field(out, plan.alternate);  // 26
    field(out, plan.alternate2);
    field(out, plan.cruiseLevel);  // 28
    field(out, plan.cruiseSpeed);
    field(out, plan.flightRules);  // 30
    field(out, plan.departureTime);
    field(out, plan.totalEet);
    field(out, plan.endurance);
    field(out, plan.route);  // 34
    field(out, plan.remarks);
    field(out, plan.squawk);  // 36
    field(out, plan.squawk == "0000" ? "S" : "C");
    field(out, onGround ? "1" : "0");
    field(out, "");
    field(out, "");
    field(out, "");
    field(out, dep != nullptr ? currentArea(plan, state) : "");  // 42
    field(out, dep != nullptr ? dep->areaCode : "");
    field(out, dest != nullptr ? dest->areaCode : "");  // 44
    field(out, plan.personsOnBoard);
    lastField(out, plan.flightType);  // 46
}

}  // namespace corvane::sim
