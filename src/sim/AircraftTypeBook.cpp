#include "AircraftTypeBook.h"

#include <array>

namespace corvane::sim {

namespace {

constexpr std::array kTypes{
    AircraftType{"A320", "M", "SDE2E3FGHIJ1RWY/LB1", 450, 39000, 140, 180},
    AircraftType{"A20N", "M", "SDE2E3FGHIJ1J3J5M1RWXY/LB1D1", 450, 39000, 138, 186},
    AircraftType{"A321", "M", "SDE2E3FGHIJ1RWY/LB1", 450, 39000, 145, 220},
    AircraftType{"B738", "M", "SDE2E3FGHIJ2J3J4J5M1RWXY/LB1D1", 450, 41000, 145, 189},
    AircraftType{"E190", "M", "SDFGHIJ1RWY/SB1", 440, 41000, 135, 100},
    AircraftType{"BCS3", "M", "SDE3FGHIJ1RWY/LB1", 445, 41000, 135, 145},
    AircraftType{"CRJ9", "M", "SDFGHIRWY/S", 430, 41000, 140, 90},
    AircraftType{"A359", "H", "SDE1E2E3FGHIJ2J3J4J5M1RWXYZ/LB1D1", 490, 43000, 145, 293},
    AircraftType{"B748", "H", "SADE2E3FGHIJ2J3J4J5M1P2RWXYZ/LB1D1", 490, 43000, 150, 364},
    AircraftType{"A388", "H", "SDE2E3FGHIJ2J3J4J5M1RWXY/LB1D1", 490, 43000, 145, 509},
    AircraftType{"B77W", "H", "SDE1E2E3FGHIJ2J3J4J5M1RWXYZ/LB1D1", 490, 43000, 150, 396},
    AircraftType{"C172", "L", "SDFGY/S", 105, 12000, 65, 4, true},
    AircraftType{"P28A", "L", "SDFGY/C", 110, 12000, 70, 4, true},
};

constexpr std::size_t kAirlinerCount = 11;

}  // namespace

std::span<const AircraftType> AircraftTypeBook::all() {
    return kTypes;
}

std::span<const AircraftType> AircraftTypeBook::airliners() {
    return std::span<const AircraftType>(kTypes).first(kAirlinerCount);
}

const AircraftType& AircraftTypeBook::get(std::string_view designator) {
    for (const AircraftType& type : kTypes) {
        if (type.designator == designator) {
            return type;
        }
    }
    return kTypes.front();
}

}  // namespace corvane::sim
