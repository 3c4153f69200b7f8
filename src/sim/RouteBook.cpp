#include "RouteBook.h"

#include <array>

#include "AirportCatalog.h"

namespace corvane::sim {

namespace {

struct Sector {
    double fromDeg;  // course range from the demo airport, [from, to)
    double toDeg;
    std::string_view sid;   // departure towards the sector
    std::string_view star;  // arrival from the sector
    std::string_view sidFix;
    std::string_view starFix;
    std::string_view airways;  // en-route part, written outbound
};

constexpr std::array kSectors{
    Sector{0, 45, "OBOKA1", "ROLIS1", "OBOKA", "ROLIS", "T161 HLZ Y112 LUB"},
    Sector{45, 100, "KOMIB1", "ASPAT3", "KOMIB", "ASPAT", "T204 ERL UL984 OKG"},
    Sector{100, 150, "TOBAK1", "ASPAT3", "TOBAK", "ASPAT", "Y101 NUB UN850 SBG"},
    Sector{150, 190, "SULUS1", "PSA1A", "SULUS", "PSA", "UN871 TRA UL613 SRN"},
    Sector{190, 235, "CINDY1", "SPESA2", "CINDY", "SPESA", "UN857 DIK UM623 RLP"},
    Sector{235, 290, "ANEKI1", "UNOKO2", "ANEKI", "UNOKO", "UZ29 NIK UL607 KOK"},
    Sector{290, 360, "MARUN1", "KERAX2", "MARUN", "KERAX", "UY180 DENUT UL620 EEL"},
};

const Sector& sectorFor(std::string_view other) {
    const double course = GreatCircle::courseDeg(AirportCatalog::demo().position,
                                                 AirportCatalog::get(other).position);
    for (const Sector& sector : kSectors) {
        if (course >= sector.fromDeg && course < sector.toDeg) {
            return sector;
        }
    }
    return kSectors.back();
}

// Airways written outbound, read the other way round for an inbound flight.
std::string reversedWords(std::string_view text) {
    std::string out;
    std::size_t end = text.size();
    while (end > 0) {
        std::size_t start = text.rfind(' ', end - 1);
        start = start == std::string_view::npos ? 0 : start + 1;
        if (!out.empty()) {
            out += ' ';
        }
        out += text.substr(start, end - start);
        end = start == 0 ? 0 : start - 1;
    }
    return out;
}

}  // namespace

std::string_view RouteBook::sidTowards(std::string_view destination) {
    return sectorFor(destination).sid;
}

std::string_view RouteBook::starFrom(std::string_view departure) {
    return sectorFor(departure).star;
}

std::string RouteBook::route(std::string_view departure, std::string_view destination) {
    const std::string_view demo = AirportCatalog::demo().icao;
    if (departure == demo) {
        const Sector& s = sectorFor(destination);
        return std::string(s.sid) + " " + std::string(s.sidFix) + " " + std::string(s.airways) +
               " DCT";
    }
    if (destination == demo) {
        const Sector& s = sectorFor(departure);
        return "DCT " + reversedWords(s.airways) + " " + std::string(s.starFix) + " " +
               std::string(s.star);
    }
    return "DCT " + std::string(sectorFor(destination).airways) + " DCT";
}

}  // namespace corvane::sim
