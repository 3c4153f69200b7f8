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
#include "window/UserMessage.h"

namespace corvane {

namespace {

void reportUnreadable(Platform& platform, const std::string& snapshotPath, FileStatus status) {
    UserMessage::warn(platform, "PAY ATTENTION!!! THE TRAFFIC FILE " + snapshotPath +
                                    " CANNOT BE READ (" + describeFileStatus(status) +
                                    "). THE AIRCRAFT DATA HAS NOT BEEN UPDATED");
}

// Keeps, of the lines offered, the last whole one of the callsign. A callsign field can never
// hold a colon, so such a selection matches no line.
class LineChoice {
public:
    explicit LineChoice(const std::string& callsign) {
        const std::optional<std::string> callsignKey = LineKey::forCallsign(callsign);
        searchable_ = callsignKey.has_value();
        key_ = callsignKey.value_or("");
        // Decoding keeps ASCII bytes as they are, so an ASCII key starts a raw line exactly
        // when it starts the decoded one; only another key needs each line decoded.
        asciiKey_ = TextCodec::isAscii(key_);
    }

    // The callsign field equals the callsign and another field follows exactly when the raw
    // line starts with "CALLSIGN:", so the other aircraft's lines are never split.
    void offer(std::string_view raw, ScanResult& result) {
        if (!searchable_ || !matches(raw)) {
            return;
        }
        line_.split(raw, snapshot::FlightType);
        if (!line_.has(snapshot::FlightType)) {
            return;
        }
        result.found = true;
        result.line = snapshotLineId(raw);
        chosen_.assign(raw);
    }

    // Of several whole lines of the callsign the last one is the aircraft: one line gives all
    // of its data, never a mix of two clients that share a callsign.
    void read(ScanResult& result) {
        if (!result.found) {
            return;
        }
        const std::string decoded = TextCodec::decodeLine(chosen_);
        line_.split(decoded, snapshot::FlightType);
        result.wakeCategory = WakeMarker::categoryIn(decoded);
        result.reading = PilotReading::read(line_);
        if (!result.reading->filedPlan()) {
            result.outcome = ScanOutcome::NoFlightPlan;
        }
    }

private:
    bool matches(std::string_view raw) const {
        return asciiKey_ ? raw.starts_with(key_) : TextCodec::decodeLine(raw).starts_with(key_);
    }

    bool searchable_ = false;
    std::string key_;
    bool asciiKey_ = true;
    SnapshotLine line_;
    std::string chosen_;
};

}  // namespace

void AircraftLineScan::reportMissing(Platform& platform, const std::string& callsign) {
    UserMessage::warn(platform, "PAY ATTENTION!!! AIRCRAFT " + replaceControlCharacters(callsign) +
                                    " NOT FOUND IN THE TRAFFIC FILE. ITS DATA HAS BEEN CLEARED");
}

ScanResult AircraftLineScan::run(Platform& platform, const std::string& snapshotPath,
                                 const std::string& callsign) {
    ScanResult result;
    FileStatus status = FileStatus::Ok;
    auto source = platform.files().openLines(snapshotPath, status);
    if (!source) {
        reportUnreadable(platform, snapshotPath, status);
        result.outcome = ScanOutcome::Unreadable;
        return result;
    }
    LineChoice choice(callsign);
    std::string_view raw;
    SnapshotLine pilot;
    while (source->nextRaw(raw)) {
        if (!result.squawks.overflowed()) {
            pilot.splitFields(raw, PilotSquawks::kFields);
            PilotSquawks::add(result.squawks, pilot);
        }
        choice.offer(raw, result);
    }
    if (source->failed()) {
        reportUnreadable(platform, snapshotPath, FileStatus::IoError);
        ScanResult unreadable;
        unreadable.outcome = ScanOutcome::Unreadable;
        return unreadable;
    }
    choice.read(result);
    return result;
}

ScanResult AircraftLineScan::pick(const std::vector<std::string>& lines,
                                  const std::string& callsign) {
    ScanResult result;
    LineChoice choice(callsign);
    for (const std::string& raw : lines) {
        choice.offer(raw, result);
    }
    choice.read(result);
    return result;
}

}  // namespace corvane
