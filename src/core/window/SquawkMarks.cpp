#include "window/SquawkMarks.h"

#include <optional>

#include "common/SquawkCode.h"
#include "common/TextColumns.h"

namespace corvane {

namespace {

constexpr std::string_view kSeparator = " - ";

// The snapshot's bytes are shown, never obeyed: a control character in them is replaced.
ItemMark marked(MarkKind kind, std::string_view why) {
    return {kind, replaceControlCharacters(why)};
}

}  // namespace

SquawkMarks::SquawkMarks(const AircraftSquawks& squawks) : squawks_(squawks) {
    // The two alphabetically first aircraft of each code: whoever asks, one of them is another.
    for (const auto& [callsign, code] : squawks.aircraft()) {
        if (!code || code->empty() || isConspicuity(*code)) {
            continue;
        }
        auto& [first, second] = holdersOf(*code);
        if (first == nullptr || callsign < *first) {
            second = first;
            first = &callsign;
        } else if (second == nullptr || callsign < *second) {
            second = &callsign;
        }
    }
}

bool SquawkMarks::isEmergency(std::string_view code) {
    const auto value = SquawkCode::value(code);
    return value && SquawkCode::isEmergency(*value);
}

bool SquawkMarks::isConspicuity(std::string_view code) {
    for (std::string_view conspicuity : {"0000", "1000", "1200", "2000", "2200", "7000"}) {
        if (code == conspicuity) {
            return true;
        }
    }
    return false;
}

SquawkMarks::Holders& SquawkMarks::holdersOf(const std::string& code) {
    if (const auto slot = SquawkCode::value(code)) {
        return byOctal_[static_cast<std::size_t>(*slot)];
    }
    return otherCodes_[code];
}

const std::string* SquawkMarks::otherOn(const std::string& code,
                                        const std::string& callsign) const {
    const Holders* holders = nullptr;
    if (const auto slot = SquawkCode::value(code)) {
        holders = &byOctal_[static_cast<std::size_t>(*slot)];
    } else if (const auto at = otherCodes_.find(code); at != otherCodes_.end()) {
        holders = &at->second;
    }
    if (holders == nullptr) {
        return nullptr;
    }
    for (const std::string* holder : {holders->first, holders->second}) {
        if (holder != nullptr && *holder != callsign) {
            return holder;
        }
    }
    return nullptr;
}

ItemMark SquawkMarks::mark(std::string_view entry, EntryKind kind) const {
    const bool assigned = kind != EntryKind::Traffic;
    const std::string callsign(assigned ? assignedEntryCallsign(entry) : entry);
    const std::optional<std::string>* code = squawks_.find(callsign);
    if (squawks_.overflowed()) {
        return {};
    }
    if (code == nullptr) {
        if (assigned) {
            return marked(MarkKind::Gone, "NOT IN THE TRAFFIC FILE");
        }
        return {};
    }
    if (!*code) {
        return {};
    }
    const std::string& squawk = **code;
    if (isEmergency(squawk)) {
        return marked(MarkKind::Emergency, "SQUAWKING " + squawk);
    }
    if (kind == EntryKind::ClearedDeparture) {
        const std::size_t separator = entry.find(kSeparator);
        const std::string_view given = separator == std::string_view::npos
                                           ? std::string_view{}
                                           : trimSpaces(entry.substr(separator + 3));
        if (squawk != given) {
            const std::string shown = squawk.empty() ? "NOTHING" : squawk;
            return marked(MarkKind::NotSet,
                          "SQUAWKS " + shown + " - ASSIGNED " + std::string(given));
        }
    }
    if (const auto* other = otherOn(squawk, callsign)) {
        return marked(MarkKind::Duplicate, squawk + " ALSO SQUAWKED BY " + *other);
    }
    return {};
}

std::vector<ItemMark> SquawkMarks::markEntries(const std::vector<std::string>& entries,
                                               EntryKind kind) const {
    std::vector<ItemMark> marks;
    if (squawks_.overflowed()) {
        return marks;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ItemMark found = mark(entries[i], kind);
        if (found.kind == MarkKind::None) {
            continue;
        }
        marks.resize(entries.size());
        marks[i] = std::move(found);
    }
    return marks;
}

}  // namespace corvane
