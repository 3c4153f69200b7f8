#include "AirportCatalog.h"

#include <array>

namespace corvane::sim {

namespace {

constexpr std::array kAirports{
    Airport{"EDDF", {50.0333, 8.5706}, 364, "EDGG"},
    Airport{"EDDM", {48.3538, 11.7861}, 1487, "EDMM"},
    Airport{"EDDL", {51.2895, 6.7668}, 147, "EDGG"},
    Airport{"EDDH", {53.6304, 9.9882}, 53, "EDWW"},
    Airport{"EDDB", {52.3667, 13.5033}, 157, "EDWW"},
    Airport{"EDDS", {48.6899, 9.2220}, 1276, "EDGG"},
    Airport{"EDDK", {50.8659, 7.1427}, 302, "EDGG"},
    Airport{"EDFE", {49.9608, 8.6436}, 384, "EDGG"},
    Airport{"EDFM", {49.4733, 8.5142}, 309, "EDGG"},
    Airport{"EDFH", {49.9487, 7.2639}, 1649, "EDGG"},
    Airport{"EGLL", {51.4706, -0.4619}, 83, "EGTT"},
    Airport{"EGKK", {51.1481, -0.1903}, 202, "EGTT"},
    Airport{"LFPG", {49.0097, 2.5479}, 392, "LFFF"},
    Airport{"EHAM", {52.3086, 4.7639}, 11, "EHAA"},
    Airport{"EBBR", {50.9014, 4.4844}, 184, "EBBU"},
    Airport{"LSZH", {47.4647, 8.5492}, 1416, "LSAS"},
    Airport{"LOWW", {48.1103, 16.5697}, 600, "LOVV"},
    Airport{"LIRF", {41.8003, 12.2389}, 13, "LIRR"},
    Airport{"LIMC", {45.6306, 8.7281}, 768, "LIMM"},
    Airport{"LEMD", {40.4719, -3.5626}, 1998, "LECM"},
    Airport{"LEBL", {41.2971, 2.0785}, 12, "LECB"},
    Airport{"LEPA", {39.5517, 2.7388}, 27, "LECP"},
    Airport{"LPPT", {38.7813, -9.1359}, 374, "LPPC"},
    Airport{"EKCH", {55.6180, 12.6561}, 17, "EKDK"},
    Airport{"ESSA", {59.6519, 17.9186}, 137, "ESAA"},
    Airport{"ENGM", {60.1939, 11.1004}, 681, "ENOR"},
    Airport{"EFHK", {60.3172, 24.9633}, 179, "EFIN"},
    Airport{"EPWA", {52.1657, 20.9671}, 362, "EPWW"},
    Airport{"LKPR", {50.1008, 14.2600}, 1247, "LKAA"},
    Airport{"LHBP", {47.4369, 19.2556}, 495, "LHCC"},
    Airport{"LGAV", {37.9364, 23.9445}, 308, "LGGG"},
    Airport{"LTFM", {41.2753, 28.7519}, 325, "LTBB"},
    Airport{"EIDW", {53.4213, -6.2701}, 242, "EISN"},
    Airport{"KJFK", {40.6398, -73.7789}, 13, "KZNY"},
    Airport{"KORD", {41.9786, -87.9048}, 672, "KZAU"},
    Airport{"CYYZ", {43.6772, -79.6306}, 569, "CZYZ"},
    Airport{"OMDB", {25.2528, 55.3644}, 62, "OMAE"},
    Airport{"OTHH", {25.2731, 51.6081}, 13, "OTDF"},
    Airport{"VHHH", {22.3089, 113.9146}, 28, "VHHK"},
    Airport{"RJTT", {35.5523, 139.7797}, 35, "RJJJ"},
    Airport{"FAOR", {-26.1392, 28.2460}, 5558, "FAJA"},
    Airport{"SBGR", {-23.4356, -46.4731}, 2461, "SBBS"},
};

}  // namespace

std::span<const Airport> AirportCatalog::all() {
    return kAirports;
}

const Airport& AirportCatalog::get(std::string_view icao) {
    for (const Airport& airport : kAirports) {
        if (airport.icao == icao) {
            return airport;
        }
    }
    return demo();
}

const Airport& AirportCatalog::demo() {
    return kAirports.front();
}

}  // namespace corvane::sim
