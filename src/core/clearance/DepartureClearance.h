#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "clearance/SquawkAllocator.h"
#include "window/SquawkCensus.h"

namespace corvane {

class AppContext;

/// The IFR departure clearance of the departure panel: checks the inputs, collects the SID's
/// procedure lines, gives the aircraft a transponder code, moves it to the assigned list and
/// logs the clearance.
namespace DepartureClearance {
/// `ValidateDeparture`: runway, SID, initial climb and a transponder code to give out. The
/// first failing check shows its message and gives false; on success `cmdSidGen` is enabled.
bool validate(AppContext& context);
/// `GenerateDepartureClearance`: the click on `cmdSidGen`.
void generate(AppContext& context);

/// The allocator of the airport's range with the codes that are not free: those given out in
/// this connection and those squawked by every snapshot line but `ownLine`, the line the
/// aircraft was analysed from. Nothing, with the reason told, when the codes in use cannot be
/// known (no whole read of the snapshot in this connection, or a pilot line cut by the reader).
std::optional<SquawkAllocator> allocator(AppContext& context,
                                         std::optional<SnapshotLineId> ownLine);
/// The procedure text of a SID as it is collected line by line.
struct SidText {
    /// The matched SID line and the runway lines taken after it, joined.
    std::string text;
    /// True from the matched SID line up to the next SID line or "ENDSIDS".
    bool open = false;
};
/// Reads `line` of the procedure file into `collected`: a line of the SID `sid` starts it
/// afresh, a line of the take-off runway `runway` under that SID is added to it.
void collectLine(SidText& collected, std::string_view line, std::string_view sid,
                 std::string_view runway);
}  // namespace DepartureClearance

}  // namespace corvane
