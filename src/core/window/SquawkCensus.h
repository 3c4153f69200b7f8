#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// What identifies one snapshot line between reads: the hash of its bytes as read (without the
/// line end). The same aircraft at another position is another line.
using SnapshotLineId = std::size_t;

SnapshotLineId snapshotLineId(std::string_view raw);

/// The transponder codes that one whole read of the snapshot saw, each with the line that
/// squawks it, so a later clearance can leave out exactly the line of its own aircraft.
class SquawkCensus {
public:
    /// Records that the raw line `raw` squawks `squawk` (nothing for an empty squawk).
    void add(std::string_view raw, std::string_view squawk);
    /// Hands `mark` every code seen, except the one of the first line whose identity is `own`.
    template <typename Mark>
    void forEachCodeBut(std::optional<SnapshotLineId> own, Mark mark) const {
        bool ownLeftOut = !own.has_value();
        for (const Sighting& seen : sightings_) {
            if (!ownLeftOut && seen.line == *own) {
                ownLeftOut = true;
                continue;
            }
            mark(std::string_view(seen.squawk));
        }
    }

private:
    struct Sighting {
        SnapshotLineId line;
        std::string squawk;
    };
    std::vector<Sighting> sightings_;
};

}  // namespace corvane
