#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace corvane {

class FileSystem;
class Platform;
struct ProgramState;

/// Reads the station airport's procedure file from its first line to its end for one
/// operation. A file that cannot be opened or read is reported with a message naming it, and
/// the operation leaves the window as it was.
namespace ProcedureLines {
/// Calls `visit` for every line of the procedure file. False (after the message) when the
/// file could not be opened or read to its end; the caller then changes nothing.
bool read(const ProgramState& state, Platform& platform,
          const std::function<void(std::string_view)>& visit);
/// The path of the procedure file of `AirportCode` in `ProcFolder` (ProcedureFile::path).
std::string path(const FileSystem& files, const ProgramState& state);
}  // namespace ProcedureLines

}  // namespace corvane
