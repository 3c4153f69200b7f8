#include "traffic/AirlineLookup.h"

#include <optional>
#include <string_view>

#include "common/TextColumns.h"
#include "platform/FileStatus.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "window/ProgramState.h"
#include "window/UserMessage.h"

namespace corvane {

namespace {

// The third ":"-separated field of `line`, or nothing when it has fewer than three fields.
std::optional<std::string_view> thirdField(std::string_view line) {
    const std::size_t first = line.find(':');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t second = line.find(':', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t third = line.find(':', second + 1);
    return line.substr(
        second + 1, third == std::string_view::npos ? std::string_view::npos : third - second - 1);
}

void reportMissingTable(ProgramState& state, Platform& platform, const std::string& path,
                        FileStatus status) {
    if (state.AirlineTableReported) {
        return;
    }
    state.AirlineTableReported = true;
    UserMessage::warn(platform, "PAY ATTENTION!!! THE AIRLINE TABLE " + path +
                                    " IS MISSING OR CANNOT BE READ (" + describeFileStatus(status) +
                                    "). AIRLINES ARE SHOWN AS UNKNOWN");
}

}  // namespace

void AirlineLookup::lookup(ProgramState& state, Platform& platform, const ProgramFolder& folder,
                           const std::string& callsign, std::string& airline) {
    const std::string path = folder.dataFile(ProgramFolder::kAirlineTable);
    FileStatus status = FileStatus::Ok;
    auto source = platform.files().openLines(path, status);
    if (!source) {
        airline = kUnknown;
        reportMissingTable(state, platform, path, status);
        return;
    }
    const std::string_view designator = TextColumns::left(callsign, 3);
    std::string_view line;
    while (source->next(line)) {
        if (TextColumns::left(line, 3) == designator) {
            if (auto name = thirdField(line)) {
                airline = std::string(*name);
                return;
            }
        }
        airline = kUnknown;
    }
    if (source->failed()) {
        airline = kUnknown;
        reportMissingTable(state, platform, path, FileStatus::IoError);
    }
}

}  // namespace corvane
