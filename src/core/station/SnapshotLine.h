#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvane {

/// One snapshot line split on ":" (no quoting, no limit on the pieces), read through one safe
/// accessor. A use of field N needs more than N fields, and a use of field 0 at least two,
/// because every use is tied to a walk over the fields 1 .. last. The views point into the raw
/// line and stay valid while it does.
class SnapshotLine {
public:
    static constexpr std::size_t kAllFields = static_cast<std::size_t>(-1);

    /// Splits `line`, keeping fields up to `highestField` (the rest is only counted as present).
    void split(std::string_view line, std::size_t highestField = kAllFields);
    /// True when the line has field `index` for a use (see the class comment).
    bool has(std::size_t index) const {
        return index < fields_.size() && (index > 0 || count_ >= 2);
    }
    /// Field `index`, or "" when the line has no such field for a use.
    std::string_view field(std::size_t index) const {
        return has(index) ? fields_[index] : std::string_view{};
    }
    /// True when the line has field `index` and it equals `text`.
    bool fieldIs(std::size_t index, std::string_view text) const {
        return has(index) && fields_[index] == text;
    }
    /// Number of fields (at least the number kept; a line cut at `highestField` counts one more).
    std::size_t count() const { return count_; }
    /// The whole line as read.
    std::string_view raw() const { return raw_; }

private:
    std::string_view raw_;
    std::vector<std::string_view> fields_;
    std::size_t count_ = 0;
};

}  // namespace corvane
