#include "station/SnapshotLine.h"

namespace corvane {

void SnapshotLine::split(std::string_view line, std::size_t highestField) {
    raw_ = line;
    fields_.clear();
    count_ = 0;
    if (line.empty()) {
        return;  // an empty line has no fields at all
    }
    std::size_t start = 0;
    while (true) {
        if (fields_.size() > highestField) {
            count_ = fields_.size() + 1;  // more fields follow that no use of this pass needs
            return;
        }
        const std::size_t colon = line.find(':', start);
        if (colon == std::string_view::npos) {
            fields_.push_back(line.substr(start));
            break;
        }
        fields_.push_back(line.substr(start, colon - start));
        start = colon + 1;
    }
    count_ = fields_.size();
}

}  // namespace corvane
