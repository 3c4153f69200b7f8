#include "station/ProcedureLines.h"

#include "platform/FileStatus.h"
#include "platform/Platform.h"
#include "station/ProcedureFile.h"
#include "window/ProgramState.h"
#include "window/UserMessage.h"

namespace corvane {

std::string ProcedureLines::path(const FileSystem& files, const ProgramState& state) {
    return ProcedureFile::path(files, state.ProcFolder, state.AirportCode);
}

bool ProcedureLines::read(const ProgramState& state, Platform& platform,
                          const std::function<void(std::string_view)>& visit) {
    FileStatus status = FileStatus::PathNotFound;
    std::string file = ProcedureFile::fileName(state.AirportCode);
    if (ProcedureFile::isSafeAirportCode(state.AirportCode)) {
        file = path(platform.files(), state);
        if (auto source = ProcedureFile::open(platform.files(), file, status)) {
            std::string_view line;
            while (source->next(line)) {
                visit(line);
            }
            status = source->failed() ? FileStatus::IoError : FileStatus::Ok;
        }
    }
    if (status == FileStatus::Ok) {
        return true;
    }
    UserMessage::warn(platform, "PAY ATTENTION!!! THE PROCEDURE FILE " + file +
                                    " CANNOT BE READ (" + describeFileStatus(status) + ")");
    return false;
}

}  // namespace corvane
