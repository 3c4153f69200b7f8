#include "station/ProcedureLines.h"

#include "window/AppContext.h"
#include "station/ProcedureFile.h"
#include "platform/FileStatus.h"

namespace corvane {

std::string ProcedureLines::path(AppContext& context) {
    return ProcedureFile::path(context.files(), context.state.ProcFolder,
                               context.state.AirportCode);
}

bool ProcedureLines::read(AppContext& context, const std::function<void(std::string_view)>& visit) {
    FileStatus status = FileStatus::PathNotFound;
    std::string file = ProcedureFile::fileName(context.state.AirportCode);
    if (ProcedureFile::isSafeAirportCode(context.state.AirportCode)) {
        file = path(context);
        if (auto source = ProcedureFile::open(context.files(), file, status)) {
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
    context.warn("PAY ATTENTION!!! THE PROCEDURE FILE " + file + " CANNOT BE READ (" +
                 describeFileStatus(status) + ")");
    return false;
}

}  // namespace corvane
