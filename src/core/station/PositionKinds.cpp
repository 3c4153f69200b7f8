#include "station/PositionKinds.h"

#include <array>
#include <string>

#include "common/TextColumns.h"
#include "window/StationState.h"

namespace corvane {

namespace {

// Each first paragraph ends with a space so that the two paragraphs read on when joined.
constexpr std::string_view kAPP1 =
    "Controls the airspace up to 30NM away from the airport, up to 18,000 ft (usually). It"
    " takes the departures from the tower as they climb away, and feeds all the arrivals"
    " from the centers down to the final approach course, keeping every aircraft safely"
    " separated all along the way. ";

constexpr std::string_view kAPP2 =
    "Approach is the most complicated position. The approach controller works with several"
    " airports all at once, each with its own runways, procedures and traffic, and must"
    " keep a clear picture of every aircraft that climbs out or descends inside the"
    " terminal area. Departures are turned onto their routes and cleared to climb as soon"
    " as the traffic allows, then handed to the center. Arrivals are taken from the center"
    " at their entry points, sequenced, given headings, levels and speeds, and lined up on"
    " the approach of the runway in use with the right spacing between them. When the"
    " weather is bad the controller also manages the holding stacks and decides when each"
    " aircraft may leave them. A good approach controller plans ahead, talks clearly, and"
    " never lets the sequence become a line of aircraft waiting for instructions. Near the"
    " airport the arrivals are handed to the tower once established on the final approach"
    " course.";

constexpr std::string_view kCTR1 =
    "Centers own all airspace not controlled by APP or TWR. Their areas are big and cover"
    " entire regions, so one center controller may look after many airports and the airways"
    " that join them. ";

constexpr std::string_view kCTR2 =
    "Center handles all airplanes in a specific area which are en route and not getting"
    " ready to land or having just departed. The center controller keeps the en route"
    " traffic separated, clears aircraft along their filed routes, gives them their"
    " cruising levels and the changes they ask for, and passes them on to the next center"
    " at the boundary of the area. Before the top of descent the controller clears the"
    " arrivals down and hands them to the approach controller of their destination. When no"
    " approach or tower controller is online, the center also covers their airspace from"
    " the top down and gives the clearances that they would give. The work needs a wide"
    " view of the area, good knowledge of the airways and sectors, and a steady eye on the"
    " flows of traffic.";

constexpr std::string_view kTWR1 =
    "The runways and the airspace up to 10 NM (nautical miles) from the airport. Tower"
    " alone owns the runways in use. ";

constexpr std::string_view kTWR2 =
    "Tower has responsibility for all planes coming into or out of the airport, and the"
    " planes wishing to enter or cross the active runways. The tower controller gives the"
    " take-off and landing clearances, decides which aircraft may line up, and when, and"
    " keeps the departures and arrivals on the same runway safely apart. Aircraft flying"
    " visual circuits around the airport are also the tower's traffic, and so are the"
    " helicopters and light aircraft that cross the control zone. When a ground controller"
    " is online the tower takes the departures from ground at the holding point and gives"
    " the arrivals back to ground once they have vacated the runway. Without one, the tower"
    " also handles the taxiing aircraft. Departures are handed to the approach or departure"
    " controller as soon as they are airborne. Arrivals come from approach on the final"
    " approach course and get their landing clearance in good time, so that no aircraft"
    " must go around.";

constexpr std::string_view kGND =
    "Controls the movement of aircraft on the ground at an airport, however only the"
    " taxiways and bays... not the active runways. The ground controller gives the start-up"
    " and push-back clearances, and the taxi instructions from the gates to the holding"
    " points of the runway in use, and from the runway exits back to the gates. An aircraft"
    " that must cross an active runway needs the tower's permission first. Ground must know"
    " every taxiway of the airport.";

constexpr std::string_view kDEP1 =
    "An position rarely used in the virtual world, the departure controller takes the"
    " aircraft from the tower as soon as they are airborne, clears them along their"
    " standard instrument departures clear of the arrivals, and hands them to the center"
    " when they leave the terminal area of the airport. ";

constexpr std::string_view kDEP2 =
    "The departure controller controls all planes leaving an airport; normally _APP will"
    " handle these but sometimes traffic means that there is just too much for a single"
    " controller to do. The departure position then takes the climbing traffic, while"
    " approach keeps the arrivals and the traffic in the holding stacks. Both controllers"
    " have to agree how they share the airspace, so that the departures climb freely and"
    " the arrivals descend freely. Departures get their climb clearances early and are"
    " turned onto their routes, and when the traffic is light the position closes and"
    " approach takes all of it again.";

constexpr std::array<PositionKind, 5> kKinds = {{
    {"APP", "APPROACH CONTROL", kAPP1, kAPP2},
    {"CTR", "AREA CENTER CONTROL", kCTR1, kCTR2},
    {"TWR", "TOWER CONTROL", kTWR1, kTWR2},
    {"GND", "GROUND CONTROL", kGND, ""},
    {"DEP", "DEPARTURE CONTROL", kDEP1, kDEP2},
}};

}  // namespace

const PositionKind* PositionKinds::find(std::string_view kind) {
    for (const PositionKind& entry : kKinds) {
        if (entry.kind == kind) {
            return &entry;
        }
    }
    return nullptr;
}

void PositionKinds::show(StationState& station, std::string_view positionName) {
    const PositionKind* entry = find(TextColumns::right(positionName, 3));
    if (entry == nullptr) {
        return;
    }
    station.positionTitle = std::string(entry->title);
    std::string description(entry->duties);
    description += entry->moreDuties;
    station.positionNotes = std::move(description);
}

}  // namespace corvane
