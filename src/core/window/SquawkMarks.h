#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "window/AircraftSquawks.h"
#include "window/ListBox.h"

namespace corvane {

/// What a list entry holds and so what its mark can say.
enum class EntryKind {
    Traffic,           ///< a callsign of LstDeparture or LstArrival
    AssignedArrival,   ///< "CALLSIGN - CODE" of List2: the code is the one to expect on arrival
    ClearedDeparture,  ///< "CALLSIGN - CODE" of List1: the code the aircraft was given
};

/// The marks of list entries against one read of the snapshot. An entry gets at most one mark:
/// emergency before gone, gone before not-set, not-set before duplicate. A read too large to
/// record (AircraftSquawks::overflowed) marks nothing.
class SquawkMarks {
public:
    explicit SquawkMarks(const AircraftSquawks& squawks);

    ItemMark mark(std::string_view entry, EntryKind kind) const;
    /// One mark per entry, or none at all while no entry is marked (as ListBox::marks holds them).
    std::vector<ItemMark> markEntries(const std::vector<std::string>& entries,
                                      EntryKind kind) const;

    /// True for 7500, 7600 and 7700.
    static bool isEmergency(std::string_view code);
    /// True for the codes many aircraft squawk at once by rule, never a clash.
    static bool isConspicuity(std::string_view code);

private:
    // The alphabetically first aircraft but `callsign` squawking `code`, or nullptr.
    const std::string* otherOn(const std::string& code, const std::string& callsign) const;

    // The callsigns of the two alphabetically first aircraft squawking a code.
    using Holders = std::pair<const std::string*, const std::string*>;
    Holders& holdersOf(const std::string& code);

    const AircraftSquawks& squawks_;
    // Codes of four octal digits, every real one, are found by their value without hashing.
    std::vector<Holders> byOctal_ = std::vector<Holders>(4096);
    std::unordered_map<std::string_view, Holders> otherCodes_;
};

}  // namespace corvane
