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
    marks.markList(window.departure.traffic, EntryKind::Traffic);
    marks.markList(window.arrival.traffic, EntryKind::Traffic);
    marks.markList(window.departure.cleared, EntryKind::ClearedDeparture);
    marks.markList(window.arrival.cleared, EntryKind::AssignedArrival);
    for (const ListBox* list : {&window.departure.traffic, &window.arrival.traffic,
                                &window.departure.cleared, &window.arrival.cleared}) {
        for (std::size_t i = 0; i < list->marks.size(); ++i) {
            if (list->marks[i].kind != MarkKind::Emergency) {
                continue;
            }
            const bool traffic =
                list == &window.departure.traffic || list == &window.arrival.traffic;
            const std::string callsign(traffic ? std::string_view(list->items[i])
                                               : assignedEntryCallsign(list->items[i]));
            const std::string& code = **squawks.find(callsign);
            if (state.ToldEmergencies.emplace(callsign, code).second) {
                tellEmergency(platform, callsign, code);
            }
        }
    }
}

}  // namespace corvane
