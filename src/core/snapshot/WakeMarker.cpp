#include "snapshot/WakeMarker.h"

namespace corvane {

std::string WakeMarker::of(std::string_view category) {
    if (category == "M" || category == "H" || category == "L") {
        return std::string(category) + "-";
    }
    return category == "J" ? "S-" : "";
}

std::string WakeMarker::categoryIn(std::string_view raw) {
    std::string category;
    // Each marker found overrides the one before, so the heavier class named later wins.
    for (const char* marker : {"M-", "H-", "S-"}) {
        if (raw.find(marker) != std::string_view::npos) {
            category = std::string(1, marker[0]);
        }
    }
    if (category.empty() && raw.find("L-") != std::string_view::npos) {
        category = "L";
    }
    return category;
}

}  // namespace corvane
