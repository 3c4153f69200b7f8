#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace corvane {

/// Hands out transponder codes from an airport's range. A code is four octal digits (0-7),
/// always written with four digits. A code is free when it is inside the range, is not one of
/// the reserved codes (7500, 7600, 7700) and has not been marked as taken (squawked by another
/// aircraft, or already given out in this connection).
class SquawkAllocator {
public:
    /// What a clearance gives out, and the code the window offers afterwards.
    struct Allocation {
        std::string code;
        /// The next free code after `code`; `code` itself when the range has no free code left
        /// after it (the range is never left).
        std::string next;
    };

    /// The range from `rangeStart` to `rangeEnd` (inclusive), both four octal digits; a bound
    /// of any other form leaves the allocator without codes.
    SquawkAllocator(std::string_view rangeStart, std::string_view rangeEnd);

    /// The number of a code of exactly four octal digits (0 .. 4095), or nothing.
    static std::optional<int> parse(std::string_view code);
    /// The four-digit octal text of `value` (0 .. 4095).
    static std::string format(int value);
    /// True for the codes no clearance may give out (hijack, radio failure, emergency).
    static bool isReserved(int value);

    /// Marks a code as not free; text that is not four octal digits (spaces around allowed) is
    /// ignored.
    void markTaken(std::string_view code);
    bool isFree(int value) const;

    /// The code to give out when the window offers `current`: `current` when it is free, else
    /// the next free code after it. Nothing when `current` is not four octal digits or no free
    /// code is left up to the range end.
    std::optional<Allocation> allocate(std::string_view current) const;

private:
    std::optional<int> firstFreeFrom(int value) const;

    std::optional<int> start_;
    std::optional<int> end_;
    std::set<int> taken_;
};

}  // namespace corvane
