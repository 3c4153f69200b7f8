#include "window/SquawkCensus.h"

#include <functional>

namespace corvane {

SnapshotLineId snapshotLineId(std::string_view raw) {
    return std::hash<std::string_view>{}(raw);
}

void SquawkCensus::add(std::string_view raw, std::string_view squawk) {
    if (!squawk.empty()) {
        sightings_.push_back({snapshotLineId(raw), std::string(squawk)});
    }
}

}  // namespace corvane
