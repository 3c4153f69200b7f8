#include "snapshot/LineKey.h"

namespace corvane {

std::string LineKey::of(std::initializer_list<std::string_view> fields) {
    std::string key;
    for (const std::string_view field : fields) {
        key += field;
        key += ':';
    }
    return key;
}

std::optional<std::string> LineKey::forCallsign(std::string_view callsign) {
    if (callsign.find(':') != std::string_view::npos) {
        return std::nullopt;
    }
    return of({callsign});
}

}  // namespace corvane
