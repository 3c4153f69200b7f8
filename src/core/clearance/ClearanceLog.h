#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "window/TrafficSide.h"

namespace corvane {

class AppContext;
class ProgramFolder;

/// The two clearance logs of the DATA folder: one record per clearance, "callsign/clearance/
/// procedure text", the callsign padded to seven characters, lines ended by CR LF. The logs
/// live for one connection (the reset deletes them).
namespace ClearanceLog {
/// A clearance read back from a record.
struct Entry {
    /// The clearance text as it was shown.
    std::string clearance;
    /// The procedure text, trimmed and cut to 300 characters.
    std::string procedure;
};

/// The record line (without its line end) for a clearance.
std::string record(std::string_view callsign, std::string_view clearance,
                   std::string_view procedure);
/// The clearance and procedure text of `line` when its callsign field (up to the "/" after
/// the padding) is exactly `callsign`; nothing otherwise. A clearance text that holds "/" is read
/// whole: it ends at the first "/" after its fixed closing words.
std::optional<Entry> parse(std::string_view line, std::string_view callsign, TrafficSide side);

/// `WriteDepartureLog` / `WriteArrivalLog`: pads the side's selected callsign in place and
/// appends the record of `clearance`, the text just put on screen. A log that cannot be written is
/// reported; the clearance stays on screen and in the assigned list.
void write(AppContext& context, TrafficSide side, std::string_view clearance);
/// `ShowDepartureLogRecord` / `ShowArrivalLogRecord`: shows the last logged clearance of the
/// side's selected callsign. Without one (its record could not be written, or the log cannot
/// be read) the clearance fields are emptied and the user told why.
void show(AppContext& context, TrafficSide side);

/// In the DATA folder.
std::string path(const ProgramFolder& folder, TrafficSide side);
}  // namespace ClearanceLog

}  // namespace corvane
