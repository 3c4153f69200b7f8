#pragma once

#include <cstddef>

namespace corvane {

/// The columns of a traffic snapshot line (recent.dat), named once: those the program reads and
/// those only the simulator and the feed reader write.
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
    Frequency = 4,
    /// "ATC" on a station line; a pilot line holds the pilot's rating there.
    StationKind = 5,
    PilotRating = 5,
    /// The station's location text; a pilot line holds its server there.
    LocationName = 6,
    PilotServer = 6,
    Latitude = 7,
    Longitude = 8,
    /// A station's visual range in NM; a pilot line holds its heading there.
    VisualRange = 9,
    Heading = 9,
    PositionNear = 10,
    Altitude = 11,
    GroundSpeed = 12,
    /// Two counters a station line holds after its position, "0" in every snapshot seen.
    StationCounter1 = 11,
    StationCounter2 = 12,
    Atis = 13,
    AtisTime = 14,
    /// The last column of a station line.
    StationServer = 15,
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
    TransponderMode = 37,
    OnGround = 38,
    CtrCurrent = 42,
    CtrDep = 43,
    CtrArr = 44,
    PersonsOnBoard = 45,
    FlightType = 46,
};

/// The number of columns of the lines the simulator and the feed reader write.
inline constexpr std::size_t kStationFieldCount = StationServer + 1;
inline constexpr std::size_t kPilotFieldCount = FlightType + 1;
}  // namespace snapshot

}  // namespace corvane
