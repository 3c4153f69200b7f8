#include "snapshot/PilotReading.h"

#include "common/NumberText.h"
#include "common/TextColumns.h"
#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotLine.h"

namespace corvane {

// A pilot line (one line, shown wrapped), fields named in snapshot/SnapshotField.h:
//
//   DLH4AB:345678:Max Mustermann:PILOT::::50.0379:8.5622:0:ZZZZ:2500:160::A320:
//   1/A320/M-SDE2E3FGHIJ1RWY/LB1:EDDF:::50.0333:8.5706:LIRF:::41.8003:12.2389:LIRN:LIMC:F360:
//   N0450:I:930:150:330:ANEKI1L ANEKI Y163 NATOR UN850 TOP UL433 BOL:PBN/A1B1 RMK/TCAS:2301:
//   :::::EDGG:EDGG:LIRR:150:S
PilotReading PilotReading::read(const SnapshotLine& line) {
    const auto text = [&line](snapshot::Field field) { return std::string(line.field(field)); };
    const auto at = [&line](snapshot::Field latitude, snapshot::Field longitude) {
        return Coordinates{NumberText::leading(line.field(latitude)),
                           NumberText::leading(line.field(longitude))};
    };
    PilotReading r;
    r.callsign = text(snapshot::Callsign);
    r.pilotName = text(snapshot::RealName);
    r.position = at(snapshot::Latitude, snapshot::Longitude);
    r.nearAerodrome =
        line.fieldIs(snapshot::PositionNear, "ZZZZ") ? "" : text(snapshot::PositionNear);
    r.altitude = text(snapshot::Altitude);
    r.groundSpeed = text(snapshot::GroundSpeed);
    r.aircraftType = text(snapshot::AcType);
    r.equipment = std::string(TextColumns::from(line.field(snapshot::Equipment), 10));
    r.departure = {text(snapshot::DepAirport), at(snapshot::DepLat, snapshot::DepLon)};
    r.destination = {text(snapshot::DestAirport), at(snapshot::DestLat, snapshot::DestLon)};
    r.alternate = text(snapshot::AltnAirport);
    r.alternate2 = text(snapshot::Altn2Airport);
    r.cruiseLevel = text(snapshot::CruiseLevel);
    r.cruiseSpeed = text(snapshot::CruiseSpeed);
    r.flightRules = text(snapshot::FlightRules);
    r.departureTime = text(snapshot::DepTime);
    r.totalEet = text(snapshot::Eet);
    r.endurance = text(snapshot::Endurance);
    r.route = text(snapshot::Route);
    r.remarks = text(snapshot::Remarks);
    r.squawk = text(snapshot::Squawk);
    r.departureCentre = text(snapshot::CtrDep);
    r.arrivalCentre = text(snapshot::CtrArr);
    r.personsOnBoard = text(snapshot::PersonsOnBoard);
    r.flightType = text(snapshot::FlightType);
    return r;
}

}  // namespace corvane
