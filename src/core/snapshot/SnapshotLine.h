#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvane {

/// One snapshot line split on ":" (no quoting, no limit on the pieces), read through one safe
/// accessor. A use of field N needs more than N fields, and a use of field 0 at least two,
/// because every use is tied to a walk over the fields 1 .. last. The views point into the raw
/// line and stay valid while it does.
class SnapshotLine {
public:
    /// How many fields a line keeps at most: every field the program reads has a lower index.
    static constexpr std::size_t kKeptFields = 48;
    static constexpr std::size_t kAllFields = kKeptFields - 1;

    /// Splits `line`, keeping fields up to `highestField` (the rest is only counted as present).
    void split(std::string_view line, std::size_t highestField = kAllFields);
    /// Splits `line` for a pass that reads only the fields whose bits are set in `fields`
    /// (bit N for field N): the others read as absent. Skipping them is what makes a pass over
    /// a large snapshot cheap.
    void splitFields(std::string_view line, std::uint64_t fields);
    /// The bit of field `index` for splitFields().
    static constexpr std::uint64_t bit(std::size_t index) { return std::uint64_t{1} << index; }
    /// True when the line has field `index` for a use (see the class comment).
    bool has(std::size_t index) const {
        return index < kept_ && (index > 0 || count_ >= 2) && ((readable_ >> index) & 1U) != 0;
    }
    /// Field `index`, or "" when the line has no such field for a use.
    std::string_view field(std::size_t index) const {
        return has(index) ? kept(index) : std::string_view{};
    }
    bool fieldIs(std::size_t index, std::string_view text) const {
        if (!has(index)) {
            return false;
        }
        // Compared in place, byte by byte: fields are short and a pass compares several of every
        // line, where a library call per comparison shows.
        const std::string_view field = kept(index);
        if (field.size() != text.size()) {
            return false;
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (field[i] != text[i]) {
                return false;
            }
        }
        return true;
    }
    /// Number of fields (exact up to the fields kept; a line cut short counts one more).
    std::size_t count() const { return count_; }
    std::string_view raw() const { return raw_; }

private:
    // Field `index` of those kept: it ends where its separator (or the line) stands.
    std::string_view kept(std::size_t index) const {
        const std::size_t start = index == 0 ? 0 : ends_[index - 1] + 1;
        return raw_.substr(start, ends_[index] - start);
    }

    std::string_view raw_;
    /// Byte offset in the line of the end of each kept field.
    std::array<std::uint32_t, kKeptFields> ends_{};
    std::size_t kept_ = 0;
    std::uint64_t readable_ = 0;
    std::size_t count_ = 0;
};

}  // namespace corvane
