#include "traffic/AircraftLineScan.h"

#include <optional>

#include "common/TextCodec.h"
#include "common/TextColumns.h"
#include "platform/FileStatus.h"
#include "platform/Platform.h"
#include "snapshot/LineKey.h"
#include "snapshot/PilotReading.h"
#include "snapshot/PilotSquawks.h"
#include "snapshot/SnapshotField.h"
#include "snapshot/SnapshotLine.h"
#include "snapshot/WakeMarker.h"
#include "window/ProgramState.h"
#include "window/UserMessage.h"

namespace corvane {

namespace {

void reportUnreadable(Platform& platform, const ProgramState& state, FileStatus status) {
    UserMessage::warn(platform, "PAY ATTENTION!!! THE TRAFFIC FILE " + state.SnapshotPath +
                                    " CANNOT BE READ (" + describeFileStatus(status) +
                                    "). THE AIRCRAFT DATA HAS NOT BEEN UPDATED");
}

}  // namespace

void AircraftLineScan::reportMissing(Platform& platform, const std::string& callsign) {
    UserMessage::warn(platform, "PAY ATTENTION!!! AIRCRAFT " + replaceControlCharacters(callsign) +
                                    " NOT FOUND IN THE TRAFFIC FILE. ITS DATA HAS BEEN CLEARED");
}

ScanResult AircraftLineScan::run(ProgramState& state, Platform& platform,
                                 const std::string& callsign, const ReadingWork& work) {
    ScanResult result;
    FileStatus status = FileStatus::Ok;
    auto source = platform.files().openLines(state.SnapshotPath, status);
    if (!source) {
        reportUnreadable(platform, state, status);
        result.outcome = ScanOutcome::Unreadable;
        return result;
    }
    // A callsign field can never hold a colon, so such a selection matches no line.
    const std::optional<std::string> callsignKey = LineKey::forCallsign(callsign);
    const bool searchable = callsignKey.has_value();
    const std::string key = callsignKey.value_or("");
    // Decoding keeps ASCII bytes as they are, so an ASCII key starts a raw line exactly when it
    // starts the decoded one; only another key needs each line decoded.
    const bool asciiKey = TextCodec::isAscii(key);
    const auto matches = [&key, asciiKey](std::string_view raw) {
        return asciiKey ? raw.starts_with(key) : TextCodec::decodeLine(raw).starts_with(key);
    };
    // Of several whole lines of the callsign the last one is the aircraft: one line gives all
    // of its data, never a mix of two clients that share a callsign.
    std::string chosen;
    std::string_view raw;
    SnapshotLine line;
    SnapshotLine pilot;
    while (source->nextRaw(raw)) {
        if (!result.squawks.overflowed()) {
            pilot.splitFields(raw, PilotSquawks::kFields);
            PilotSquawks::add(result.squawks, pilot);
        }
        // The callsign field equals the callsign and another field follows exactly when the
        // raw line starts with "CALLSIGN:", so the other aircraft's lines are never split.
        if (!searchable || !matches(raw)) {
            continue;
        }
        line.split(raw, snapshot::FlightType);
        if (!line.has(snapshot::FlightType)) {
            continue;
        }
        result.found = true;
        result.line = snapshotLineId(raw);
        chosen.assign(raw);
    }
    if (source->failed()) {
        reportUnreadable(platform, state, FileStatus::IoError);
        result.outcome = ScanOutcome::Unreadable;
        return result;
    }
    if (!result.found) {
        return result;
    }
    const std::string decoded = TextCodec::decodeLine(chosen);
    line.split(decoded, snapshot::FlightType);
    // Always the aircraft's own category, never one left by the aircraft analysed before.
    state.FlightPlan.WakeCategory = WakeMarker::categoryIn(decoded);
    const PilotReading reading = PilotReading::read(line);
    if (!reading.filedPlan()) {
        result.outcome = ScanOutcome::NoFlightPlan;
        return result;
    }
    work(reading);
    return result;
}

}  // namespace corvane
