#include "snapshot/WakeMarker.h"

namespace corvane {

std::string WakeMarker::of(std::string_view category) {
    if (category == "M" || category == "H" || category == "L") {
        return std::string(category) + "-";
    }
    return category == "J" ? "S-" : "";
}

std::string WakeMarker::categoryIn(std::string_view raw) {
    // The heaviest class the line names wins; "L" only when it names none of the others.
    for (const char* marker : {"S-", "H-", "M-", "L-"}) {
        if (raw.find(marker) != std::string_view::npos) {
            return std::string(1, marker[0]);
        }
    }
    return {};
}

}  // namespace corvane
