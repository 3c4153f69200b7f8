// Fuzzes the FIR table's reader and its index: any bytes as a table, then lookups on a spread of
// points and on points made of the input's bytes. Besides crashes, it stops on an area code that
// is not four capital letters.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>

#include "feed/AreaLookup.h"
#include "feed/NearestAirport.h"

namespace {

void check(std::string_view code) {
    if (code.empty()) {
        return;
    }
    if (code.size() != 4) {
        std::abort();
    }
    for (const char c : code) {
        if (c < 'A' || c > 'Z') {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream firText(bytes);
    const corvane::AreaLookup areas(corvane::FirTable::read(firText));
    std::istringstream airportText(bytes);
    const corvane::NearestAirport nearest(corvane::AirportTable::read(airportText));
    for (int latitude = -90; latitude <= 90; latitude += 15) {
        for (int longitude = -180; longitude <= 180; longitude += 30) {
            check(areas.areaAt(latitude, longitude));
            nearest.near(latitude, longitude);
        }
    }
    for (std::size_t at = 0; at + 2 * sizeof(double) <= size; at += 2 * sizeof(double)) {
        double point[2];
        std::memcpy(point, data + at, sizeof point);
        check(areas.areaAt(point[0], point[1]));
        nearest.near(point[0], point[1]);
    }
    return 0;
}
