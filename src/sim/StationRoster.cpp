#include "StationRoster.h"

#include <array>

namespace corvane::sim {

namespace {

constexpr std::string_view kFrankfurtAtis =
    "EDDF INFORMATION K MET REPORT TIME 0950 EXPECT ILS APPROACH RUNWAY 25L OR 25R DEPARTURE "
    "RUNWAY 25C AND 18 TRANSITION LEVEL 65 WIND 240 DEGREES 8 KNOTS CAVOK TEMPERATURE 12 "
    "DEWPOINT 3 Q1013 NOSIG";

constexpr std::array kStations{
    Station{"EDDF_APP",
            "123456",
            "JANE DOE",
            "5",
            "120.800",
            "Frankfurt Approach",
            {50.0333, 8.5706},
            kFrankfurtAtis},
    Station{"EDDF_TWR",
            "187204",
            "MARKUS KELLER",
            "4",
            "119.905",
            "Frankfurt Tower",
            {50.0333, 8.5706},
            kFrankfurtAtis},
    Station{"EDDF_GND",
            "190377",
            "LISA BRANDT",
            "3",
            "121.805",
            "Frankfurt Ground",
            {50.0333, 8.5706},
            ""},
    Station{"EDDF_E_APP",
            "176541",
            "PETER HAAS",
            "6",
            "136.130",
            "Frankfurt Approach East",
            {50.0333, 8.5706},
            kFrankfurtAtis},
    Station{"EDDF_ATIS",
            "181122",
            "ATIS BROADCAST",
            "5",
            "118.025",
            "Frankfurt ATIS",
            {50.0333, 8.5706},
            kFrankfurtAtis},
    Station{"EDGG_DKB_CTR",
            "165430",
            "STEFAN VOGEL",
            "7",
            "129.430",
            "Langen Radar",
            {49.8, 9.4},
            "LANGEN RADAR ONLINE QNH Q1012"},
    Station{"EDWW_BA_CTR",
            "172210",
            "KATRIN SOMMER",
            "7",
            "131.330",
            "Bremen Radar",
            {52.9, 10.1},
            "BREMEN RADAR QNH Q1009"},
    Station{"EDMM_CTR",
            "169985",
            "TOBIAS HUBER",
            "8",
            "132.600",
            "Munich Radar",
            {48.5, 11.6},
            "MUNICH RADAR CONTACT ME FOR CLEARANCE Q1014"},
    Station{"LIRF_TWR",
            "154387",
            "ALESSIA CONTI",
            "5",
            "118.705",
            "Roma Fiumicino Tower",
            {41.8003, 12.2389},
            "LIRF INFORMATION C RWY 16R 16L Q1017"},
    Station{"EGLL_N_APP",
            "158802",
            "JAMES TAYLOR",
            "6",
            "119.730",
            "Heathrow Director",
            {51.4706, -0.4619},
            "HEATHROW INFORMATION F RWY 27L Q0998"},
};

}  // namespace

std::span<const Station> StationRoster::all() {
    return kStations;
}

const Station& StationRoster::demoUser() {
    return kStations.front();
}

}  // namespace corvane::sim
