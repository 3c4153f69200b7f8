#include "window/SquawkWatch.h"

#include "common/TextColumns.h"
#include "window/MainWindowModel.h"
#include "window/ProgramState.h"
#include "window/SquawkMarks.h"
#include "window/UserMessage.h"

namespace corvane {

void SquawkWatch::tellEmergency(Platform& platform, const std::string& callsign,
                                const std::string& code) {
    UserMessage::warn(
        platform,
        "PAY ATTENTION!!! AIRCRAFT " + replaceControlCharacters(callsign) + " IS SQUAWKING " + code,
        "EMERGENCY");
}

void SquawkWatch::watch(MainWindowModel& window, ProgramState& state, Platform& platform,
                        const AircraftSquawks& squawks) {
    const SquawkMarks marks(squawks);
    struct Watched {
        const std::vector<std::string>& entries;
        ListBox& list;
        EntryKind kind;
    };
    const Watched watched[] = {
        {window.departure.traffic.items, window.departure.traffic, EntryKind::Traffic},
        {window.arrival.traffic.items, window.arrival.traffic, EntryKind::Traffic},
        {state.AssignedDepartures, window.departure.cleared, EntryKind::ClearedDeparture},
        {state.AssignedArrivals, window.arrival.cleared, EntryKind::AssignedArrival},
    };
    for (const Watched& w : watched) {
        w.list.marks = marks.markEntries(w.entries, w.kind);
    }
    for (const Watched& w : watched) {
        for (std::size_t i = 0; i < w.list.marks.size(); ++i) {
            if (w.list.marks[i].kind != MarkKind::Emergency) {
                continue;
            }
            const std::string callsign(w.kind == EntryKind::Traffic
                                           ? std::string_view(w.entries[i])
                                           : assignedEntryCallsign(w.entries[i]));
            const std::string& code = **squawks.find(callsign);
            if (state.ToldEmergencies.emplace(callsign, code).second) {
                tellEmergency(platform, callsign, code);
            }
        }
    }
}

}  // namespace corvane
