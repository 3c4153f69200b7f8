#include "window/SquawkMarks.h"

#include "common/TextColumns.h"

namespace corvane {

namespace {

constexpr std::size_t kNobody = static_cast<std::size_t>(-1);
constexpr std::string_view kSeparator = " - ";

// The snapshot's bytes are shown, never obeyed: a control character in them is replaced.
ItemMark marked(MarkKind kind, std::string_view why) {
    return {kind, replaceControlCharacters(why)};
}

}  // namespace

SquawkMarks::SquawkMarks(const AircraftSquawks& squawks) : squawks_(squawks) {
    const auto& aircraft = squawks.aircraft();
    for (std::size_t i = 0; i < aircraft.size(); ++i) {
        const auto& code = aircraft[i].squawk;
        if (!code || code->empty() || isConspicuity(*code)) {
            continue;
        }
        const auto [at, added] = holders_.try_emplace(*code, i, kNobody);
        if (!added && at->second.second == kNobody) {
            at->second.second = i;
        }
    }
}

bool SquawkMarks::isEmergency(std::string_view code) {
    return code == "7500" || code == "7600" || code == "7700";
}

bool SquawkMarks::isConspicuity(std::string_view code) {
    for (std::string_view conspicuity : {"0000", "1000", "1200", "2000", "2200", "7000"}) {
        if (code == conspicuity) {
            return true;
        }
    }
    return false;
}

std::string_view SquawkMarks::entryCallsign(std::string_view entry) {
    return trimTrailingSpaces(entry.substr(0, entry.find(kSeparator)));
}

const AircraftSquawks::Aircraft* SquawkMarks::otherOn(const std::string& code,
                                                      const std::string& callsign) const {
    const auto at = holders_.find(code);
    if (at == holders_.end()) {
        return nullptr;
    }
    const auto& aircraft = squawks_.aircraft();
    for (const std::size_t index : {at->second.first, at->second.second}) {
        if (index != kNobody && aircraft[index].callsign != callsign) {
            return &aircraft[index];
        }
    }
    return nullptr;
}

ItemMark SquawkMarks::mark(std::string_view entry, EntryKind kind) const {
    const bool assigned = kind != EntryKind::Traffic;
    const std::string callsign(assigned ? entryCallsign(entry) : entry);
    const AircraftSquawks::Aircraft* aircraft = squawks_.find(callsign);
    if (squawks_.overflowed()) {
        return {};
    }
    if (aircraft == nullptr) {
        if (assigned) {
            return marked(MarkKind::Gone, "NOT IN THE TRAFFIC FILE");
        }
        return {};
    }
    if (!aircraft->squawk) {
        return {};
    }
    const std::string& squawk = *aircraft->squawk;
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
        return marked(MarkKind::Duplicate, squawk + " ALSO SQUAWKED BY " + other->callsign);
    }
    return {};
}

void SquawkMarks::markList(ListBox& list, EntryKind kind) const {
    list.marks.resize(list.items.size());
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        list.marks[i] = mark(list.items[i], kind);
    }
}

}  // namespace corvane
