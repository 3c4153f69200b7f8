#pragma once

#include <string>

#include "TrafficSimulator.h"

namespace corvane::sim {

/// Puts the simulator's snapshot on disk. By default it writes a temporary file beside the
/// target and renames it over the target, so a reader never sees half a file; in place it
/// truncates and rewrites the target itself, as some radar clients do.
class SnapshotPublisher {
public:
    SnapshotPublisher(std::string path, bool inPlace);

    /// False with a reason on failure.
    bool publish(const TrafficSimulator& simulator, std::string& error) const;

private:
    std::string path_;
    bool inPlace_;
};

}  // namespace corvane::sim
