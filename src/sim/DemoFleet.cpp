#include "DemoFleet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "AircraftTypeBook.h"
#include "AirportCatalog.h"
#include "Mixer.h"
#include "RouteBook.h"

namespace corvane::sim {

namespace {

constexpr std::array<std::string_view, 24> kFirstNames{
    "HANS",   "ANNA",  "MARCO", "GIULIA", "PIERRE", "SOPHIE", "JAN",   "EMMA",
    "LUKAS",  "LAURA", "DAVID", "SARA",   "MIGUEL", "ELENA",  "TOMAS", "NINA",
    "OLIVER", "CLARA", "FELIX", "JULIA",  "PAOLO",  "MARIA",  "ERIK",  "LENA"};
constexpr std::array<std::string_view, 24> kLastNames{
    "MUELLER", "SCHMIDT", "ROSSI",  "BIANCHI", "MARTIN", "BERNARD",  "JANSEN", "DE VRIES",
    "WEBER",   "FISCHER", "GARCIA", "LOPEZ",   "NOVAK",  "KOWALSKI", "SMITH",  "JONES",
    "BECKER",  "WAGNER",  "RICCI",  "COLOMBO", "LEROY",  "NILSSON",  "BERG",   "HOFFMANN"};
constexpr std::array<std::string_view, 26> kAirlines{
    "DLH", "BAW", "AFR", "KLM", "SWR", "AUA", "DLA", "EWG", "CFG", "TUI", "RYR", "EZY", "IBE",
    "VLG", "SAS", "FIN", "LOT", "CSA", "TAP", "AEE", "THY", "UAE", "QTR", "ITY", "BEL", "CLH"};

// Departure time, elapsed time and endurance are written HHMM without leading zeros.
std::string hhmm(int minutes) {
    minutes = ((minutes % 1440) + 1440) % 1440;
    return std::to_string(minutes / 60 * 100 + minutes % 60);
}

std::string levelText(int feet) {
    std::string digits = std::to_string(feet / 100);
    return "F" + std::string(3 - std::min<std::size_t>(3, digits.size()), '0') + digits;
}

std::string speedText(int knots) {
    std::string digits = std::to_string(knots);
    return "N" + std::string(4 - std::min<std::size_t>(4, digits.size()), '0') + digits;
}

std::string octalSquawk(Mixer& mix) {
    for (;;) {
        std::string code;
        for (int i = 0; i < 4; ++i) {
            code += static_cast<char>('0' + mix.below(8));
        }
        // Keep clear of the emergency, conspicuity and "transponder off" codes.
        if (code != "7500" && code != "7600" && code != "7700" && code != "7000" &&
            code != "2000" && code != "0000" && code != "1200") {
            return code;
        }
    }
}

// Airliners divert to airports, not to the general-aviation fields around the demo airport.
bool airlinerField(std::string_view icao) {
    return icao.substr(0, 3) != "EDF";
}

// For every airport, the other airliner airports ordered by distance (the first few).
const std::vector<std::vector<std::string_view>>& nearbyAirports() {
    static const auto table = [] {
        std::vector<std::vector<std::string_view>> near;
        const auto all = AirportCatalog::all();
        for (const Airport& origin : all) {
            std::vector<std::pair<double, std::string_view>> byDistance;
            for (const Airport& other : all) {
                if (other.icao != origin.icao && airlinerField(other.icao)) {
                    byDistance.emplace_back(
                        GreatCircle::distanceNm(origin.position, other.position), other.icao);
                }
            }
            std::sort(byDistance.begin(), byDistance.end());
            std::vector<std::string_view> codes;
            for (std::size_t i = 0; i < 4 && i < byDistance.size(); ++i) {
                codes.push_back(byDistance[i].second);
            }
            near.push_back(std::move(codes));
        }
        return near;
    }();
    return table;
}

std::string_view nearestOther(std::string_view icao, std::string_view skip) {
    const auto all = AirportCatalog::all();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].icao != icao) {
            continue;
        }
        for (std::string_view code : nearbyAirports()[i]) {
            if (code != skip) {
                return code;
            }
        }
    }
    return "";
}

/// What differs between hand-made aircraft.
struct FlightSetup {
    std::string_view callsign;
    std::string_view type;
    std::string_view dep;
    std::string_view dest;
    int filedLevelFt = 35000;  // 0 with "VFR" as level
    int filedSpeedKt = 0;      // 0: the type's cruising speed
    char rules = 'I';
};

FiledPlan makePlan(Mixer& mix, const FlightSetup& setup) {
    const AircraftType& type = AircraftTypeBook::get(setup.type);
    FiledPlan plan;
    plan.callsign = setup.callsign;
    plan.vid = std::to_string(200000 + mix.below(500000));
    plan.pilotName = std::string(kFirstNames[mix.below(kFirstNames.size())]) + " " +
                     std::string(kLastNames[mix.below(kLastNames.size())]);
    plan.aircraftType = type.designator;
    plan.wake = type.wake;
    plan.equipment = type.equipment;
    plan.departure = setup.dep;
    plan.destination = setup.dest;
    plan.alternate = nearestOther(setup.dest, setup.dep);
    plan.alternate2 =
        type.generalAviation ? "" : std::string(nearestOther(setup.dest, plan.alternate));
    const int speed = setup.filedSpeedKt > 0 ? setup.filedSpeedKt : type.cruiseKt;
    plan.cruiseSpeed = speedText(speed);
    plan.flightRules = std::string(1, setup.rules);
    if (setup.rules == 'V') {
        plan.cruiseLevel =
            setup.filedLevelFt > 0 ? "A0" + std::to_string(setup.filedLevelFt / 100) : "VFR";
        plan.route = "VFR";
        plan.squawk = "7000";
        plan.remarks = "RMK/VFR FLIGHT";
        plan.flightType = "G";
    } else {
        plan.cruiseLevel = levelText(setup.filedLevelFt);
        plan.route = RouteBook::route(setup.dep, setup.dest);
        plan.squawk = octalSquawk(mix);
        plan.remarks = "PBN/A1B1C1D1L1O1S1 DOF/261206 RMK/TCAS";
        plan.flightType = type.generalAviation ? "G" : "S";
    }
    const double nm = GreatCircle::distanceNm(AirportCatalog::get(setup.dep).position,
                                              AirportCatalog::get(setup.dest).position);
    const int eetMin = static_cast<int>(std::lround(nm / (speed * 0.9) * 60.0)) + 15;
    plan.departureTime = hhmm(mix.between(5 * 60, 22 * 60));
    plan.totalEet = hhmm(eetMin);
    plan.endurance = hhmm(eetMin + 75 + mix.between(0, 45));
    plan.personsOnBoard =
        std::to_string(type.generalAviation ? mix.between(1, type.seats)
                                            : mix.between(type.seats * 6 / 10, type.seats));
    return plan;
}

FlightPerformance performance(const FlightSetup& setup, Mixer& mix) {
    const AircraftType& type = AircraftTypeBook::get(setup.type);
    FlightPerformance perf;
    perf.cruiseAltitudeFt = setup.filedLevelFt > 0 ? setup.filedLevelFt : 3500.0;
    perf.cruiseSpeedKt = setup.filedSpeedKt > 0 ? setup.filedSpeedKt : type.cruiseKt;
    perf.approachSpeedKt = type.approachKt;
    perf.taxiSpeedKt = mix.between(12, 22);
    perf.gateSideDeg = mix.unit() < 0.5 ? 90.0 : -90.0;
    return perf;
}

/// A complete flight, placed at `fraction` of its repetition at time zero.
SimAircraft flight(std::uint64_t seed, std::uint64_t key, const FlightSetup& setup, double fraction,
                   double gateOutS = 900.0, double gateInS = 900.0) {
    Mixer mix(seed, key);
    FiledPlan plan = makePlan(mix, setup);
    FlightPerformance perf = performance(setup, mix);
    perf.gateTimeOutS = gateOutS;
    perf.gateTimeInS = gateInS;
    FlightProfile profile(AirportCatalog::get(setup.dep), AirportCatalog::get(setup.dest), perf);
    const double offset = fraction * profile.periodS();
    return SimAircraft{std::move(plan), profile, offset};
}

/// A flight whose cruise differs from what was filed (higher or faster).
SimAircraft deviatingFlight(std::uint64_t seed, std::uint64_t key, const FlightSetup& setup,
                            double flownAltFt, double flownKt, double fraction) {
    Mixer mix(seed, key);
    FiledPlan plan = makePlan(mix, setup);
    FlightPerformance perf = performance(setup, mix);
    perf.cruiseAltitudeFt = flownAltFt;
    perf.cruiseSpeedKt = flownKt;
    FlightProfile profile(AirportCatalog::get(setup.dep), AirportCatalog::get(setup.dest), perf);
    return SimAircraft{std::move(plan), profile, fraction * profile.periodS()};
}

/// An aircraft going back and forth on the bearing `bearingDeg` from `anchor`, between
/// `fromNm` and `toNm`.
SimAircraft looping(std::uint64_t seed, std::uint64_t key, const FlightSetup& setup,
                    std::string_view anchor, double bearingDeg, double fromNm, double toNm,
                    double altFt, double outKt, double backKt, std::string_view fix) {
    Mixer mix(seed, key);
    FiledPlan plan = makePlan(mix, setup);
    plan.nearFix = fix;
    const GeoPoint centre = AirportCatalog::get(anchor).position;
    HoldingLoop loop(GreatCircle::project(centre, bearingDeg, fromNm),
                     GreatCircle::project(centre, bearingDeg, toNm), altFt, outKt, backKt);
    const double offset = mix.unit() * loop.periodS();
    return SimAircraft{std::move(plan), loop, offset};
}

double courseFrom(std::string_view a, std::string_view b) {
    return GreatCircle::courseDeg(AirportCatalog::get(a).position, AirportCatalog::get(b).position);
}

}  // namespace

std::vector<SimAircraft> DemoFleet::scripted(std::uint64_t seed) {
    std::vector<SimAircraft> fleet;
    std::uint64_t key = 0;
    const double fra = AirportCatalog::demo().elevationFt;

    // On the ground at the demo airport.
    fleet.push_back(looping(seed, ++key, {"DLH1402", "A321", "EDDF", "EPWA", 36000}, "EDDF", 135,
                            0.45, 0.45, fra, 0, 0, ""));
    SimAircraft noPlan = looping(seed, ++key, {"DEMLA", "P28A", "EDDF", "EDDF", 0, 0, 'V'}, "EDDF",
                                 200, 0.55, 0.55, fra, 0, 0, "");
    // A pilot who connected without filing: the client only knows where it stands.
    FiledPlan bare;
    bare.callsign = noPlan.plan.callsign;
    bare.vid = noPlan.plan.vid;
    bare.pilotName = noPlan.plan.pilotName;
    bare.aircraftType = "NONE";
    bare.departure = "EDDF";
    bare.squawk = "2000";
    noPlan.plan = bare;
    fleet.push_back(std::move(noPlan));
    SimAircraft transponderOff = looping(seed, ++key, {"BAW906", "A320", "EGLL", "EDDF", 36000},
                                         "EDDF", 110, 0.5, 0.5, fra, 0, 0, "");
    transponderOff.plan.squawk = "0000";
    fleet.push_back(std::move(transponderOff));

    // Taxiing in bursts: slow on one stretch, far too fast on the way back.
    fleet.push_back(looping(seed, ++key, {"DLH2TX", "A321", "EDDF", "LEMD", 37000}, "EDDF", 160,
                            0.35, 0.65, fra, 18, 55, ""));
    fleet.push_back(looping(seed, ++key, {"ITY404", "A20N", "LIRF", "EDDF", 37000}, "EDDF", 30,
                            0.35, 0.65, fra, 16, 52, ""));

    // Long-haul cruise: one well above its filed level, one far faster than filed.
    fleet.push_back(deviatingFlight(seed, ++key, {"DLH400", "B748", "EDDF", "KJFK", 34000, 490},
                                    36400, 490, 0.35));
    fleet.push_back(deviatingFlight(seed, ++key, {"UAE46", "A388", "EDDF", "OMDB", 37000, 480},
                                    37000, 545, 0.4));
    fleet.push_back(flight(seed, ++key, {"UAE45", "A388", "OMDB", "EDDF", 39000, 490}, 0.45));

    // Holding at the filed level close to the destination: should have started down already.
    fleet.push_back(looping(seed, ++key, {"DLH96C", "A20N", "EDDF", "EDDM", 24000, 430}, "EDDM",
                            courseFrom("EDDM", "EDDF"), 58, 42, 24000, 420, 400, "NAPSI"));
    // On approach to their destinations: fast, high, or both.
    fleet.push_back(looping(seed, ++key, {"EWG9KP", "A320", "EDDF", "EDDL", 22000}, "EDDL", 51, 9,
                            4, 3000, 232, 262, "DOMUX"));
    fleet.push_back(looping(seed, ++key, {"DLH12", "A321", "EDDF", "EDDH", 30000}, "EDDH", 230, 9,
                            4, 11500, 210, 205, "HOLDA"));
    fleet.push_back(looping(seed, ++key, {"AUA127", "A320", "LOWW", "EDDF", 33000}, "EDDF", 70, 9,
                            4, 3500, 232, 228, "DF621"));
    fleet.push_back(looping(seed, ++key, {"AFR1518", "A320", "LFPG", "EDDF", 37000}, "EDDF", 250, 9,
                            4, 11500, 210, 205, "DF418"));
    fleet.push_back(looping(seed, ++key, {"CLH4KV", "CRJ9", "EDFH", "EDDF", 10000}, "EDDF", 290, 9,
                            4, 9500, 200, 195, "DF431"));

    // VFR traffic.
    fleet.push_back(
        flight(seed, ++key, {"DEHBT", "C172", "EDFH", "EDDF", 4500, 105, 'V'}, 0.3, 600, 600));
    fleet.push_back(
        flight(seed, ++key, {"DEKAT", "P28A", "EDDF", "EDFM", 0, 110, 'V'}, 0.2, 600, 600));

    // Regular traffic out of and into the demo airport, spread over their repetitions.
    const std::array<FlightSetup, 18> regular{
        FlightSetup{"DLH908", "A321", "EDDF", "EGLL", 35000},
        FlightSetup{"DLH232", "A320", "EDDF", "LIRF", 37000},
        FlightSetup{"DLH100", "A321", "EDDF", "EDDM", 24000},
        FlightSetup{"CFG1KX", "A320", "EDDF", "LEPA", 37000},
        FlightSetup{"SAS636", "A20N", "EDDF", "EKCH", 36000},
        FlightSetup{"DLH1016", "CRJ9", "EDDF", "LFPG", 31000},
        FlightSetup{"DLH6", "A321", "EDDF", "EDDH", 27000},
        FlightSetup{"TAP571", "A20N", "EDDF", "LPPT", 38000},
        FlightSetup{"LOT380", "B738", "EDDF", "EPWA", 36000},
        FlightSetup{"BAW902", "A320", "EGLL", "EDDF", 36000},
        FlightSetup{"AFR1018", "A320", "LFPG", "EDDF", 34000},
        FlightSetup{"KLM1761", "E190", "EHAM", "EDDF", 31000},
        FlightSetup{"SWR1070", "BCS3", "LSZH", "EDDF", 23000},
        FlightSetup{"AUA123", "A320", "LOWW", "EDDF", 36000},
        FlightSetup{"ITY406", "A20N", "LIRF", "EDDF", 38000},
        FlightSetup{"IBE3502", "A321", "LEMD", "EDDF", 38000},
        FlightSetup{"SAS637", "A20N", "EKCH", "EDDF", 35000},
        FlightSetup{"DLH99", "A321", "EDDM", "EDDF", 25000},
    };
    for (std::size_t i = 0; i < regular.size(); ++i) {
        const double fraction = std::fmod(0.137 + static_cast<double>(i) * 0.382, 1.0);
        fleet.push_back(flight(seed, ++key, regular[i], fraction));
    }
    return fleet;
}

SimAircraft DemoFleet::generated(std::uint64_t seed, std::size_t index) {
    Mixer mix(seed, 0x100000000ULL + index);
    const auto airports = AirportCatalog::all();
    const auto types = AircraftTypeBook::airliners();

    // Half of the generated traffic serves the demo airport, the rest flies elsewhere.
    std::string_view dep = airports[mix.below(airports.size())].icao;
    std::string_view dest = airports[mix.below(airports.size())].icao;
    if (mix.below(2) == 0) {
        (mix.below(2) == 0 ? dep : dest) = AirportCatalog::demo().icao;
    }
    while (dest == dep) {
        dest = airports[mix.below(airports.size())].icao;
    }
    const AircraftType& type = types[mix.below(types.size())];

    // Unique for every index: airline, two digits and two letters (e.g. DLH47KX); the
    // hand-made callsigns never take this form.
    const std::size_t airline = index % kAirlines.size();
    std::size_t rest = index / kAirlines.size();
    std::string callsign(kAirlines[airline]);
    callsign += static_cast<char>('1' + rest % 9);
    rest /= 9;
    callsign += static_cast<char>('0' + rest % 10);
    rest /= 10;
    callsign += static_cast<char>('A' + rest % 26);
    rest /= 26;
    callsign += static_cast<char>('A' + rest % 26);

    const double nm = GreatCircle::distanceNm(AirportCatalog::get(dep).position,
                                              AirportCatalog::get(dest).position);
    const int lowest = nm > 400 ? 31 : 21;
    const int level = mix.between(lowest, type.ceilingFt / 1000 - 2) * 1000;
    std::string callsignText = callsign;
    const FlightSetup setup{callsignText, type.designator, dep, dest, level};
    SimAircraft aircraft = flight(seed, 0x200000000ULL + index, setup, mix.unit(),
                                  mix.between(300, 1500), mix.between(300, 1500));
    return aircraft;
}

}  // namespace corvane::sim
