#pragma once

#include <string>

namespace corvane {

class Platform;
class ProgramFolder;
struct ProgramState;

/// The two folder buttons: the radar client's data folder and the procedures folder.
namespace FolderChoice {
/// "DATA EYE FOLDER": picks the data folder and saves `<folder>/recent.dat`.
void chooseDataFolder(ProgramState& state, Platform& platform, const ProgramFolder& folder);
/// Saves `<folder>/recent.dat` as the data folder setting, as "DATA EYE FOLDER" does for a
/// chosen folder (the live feed mode names its own folder).
void useDataFolder(ProgramState& state, Platform& platform, const ProgramFolder& programFolder,
                   const std::string& folder);
/// "SID/STAR FOLDER": picks the procedures folder and saves it.
void chooseProcedureFolder(ProgramState& state, Platform& platform, const ProgramFolder& folder);
/// `BrowseForDataFolder`: the folder browser with the prompt `FolderSelector` asks for; the
/// chosen path (with "/recent.dat" for the data folder), or "" when nothing was chosen.
std::string browseForDataFolder(const ProgramState& state, Platform& platform);
}  // namespace FolderChoice

}  // namespace corvane
