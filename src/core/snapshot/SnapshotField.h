#pragma once

#include <cstddef>

namespace corvane {

/// The columns of a traffic snapshot line (recent.dat) that the program reads, named once.
/// Fields are separated by ":" and numbered from 0. A pilot line looks like:
///
///   DLH4AB:345678:Max Mustermann:PILOT::::50.0379:8.5622:0:ZZZZ:2500:160::A320:
///   1/A320/M-SDE2E3FGHIJ1RWY/LB1:EDDF:::50.0333:8.5706:LIRF:::41.8003:12.2389:LIRN:LIMC:F360:
///   N0450:I:930:150:330:ANEKI1L ANEKI Y163 NATOR UN850 TOP UL433 BOL:PBN/A1B1 RMK/TCAS:2301:
///   :::::EDGG:EDGG:LIRR:150:S
///
/// (shown wrapped; it is one line). A controller station line:
///
///   EDDF_APP:123456:JANE DOE:5:::Frankfurt Approach:::::::EDDF INFORMATION K Q1013
namespace snapshot {
enum Field : std::size_t {
    Callsign = 0,
    Vid = 1,
    RealName = 2,
    /// The same column holds a controller's rating on a station line and the client kind
    /// ("PILOT") on a pilot line.
    StationRating = 3,
    ClientKind = 3,
    LocationName = 6,
    Latitude = 7,
    Longitude = 8,
    PositionNear = 10,
    Altitude = 11,
    GroundSpeed = 12,
    Atis = 13,
    AcType = 14,
    Equipment = 15,
    DepAirport = 16,
    DepLat = 19,
    DepLon = 20,
    DestAirport = 21,
    DestLat = 24,
    DestLon = 25,
    AltnAirport = 26,
    Altn2Airport = 27,
    CruiseLevel = 28,
    CruiseSpeed = 29,
    FlightRules = 30,
    DepTime = 31,
    Eet = 32,
    Endurance = 33,
    Route = 34,
    Remarks = 35,
    Squawk = 36,
    CtrCurrent = 42,
    CtrDep = 43,
    CtrArr = 44,
    PersonsOnBoard = 45,
    FlightType = 46,
};
}  // namespace snapshot

}  // namespace corvane
