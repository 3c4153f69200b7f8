#include "SnapshotPublisher.h"

#include <ostream>
#include <utility>

#include "platform/FilePublisher.h"

namespace corvane::sim {

SnapshotPublisher::SnapshotPublisher(std::string path, bool inPlace)
    : path_(std::move(path)), inPlace_(inPlace) {}

bool SnapshotPublisher::publish(const TrafficSimulator& simulator, std::string& error) const {
    return FilePublisher::publish(
        path_, inPlace_, [&simulator](std::ostream& out) { simulator.writeSnapshot(out); }, error);
}

}  // namespace corvane::sim
