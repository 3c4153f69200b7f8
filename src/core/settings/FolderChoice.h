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
/// Uses `<folder>/recent.dat` as the data folder for this run only, as the live feed mode does
/// with its own folder: the saved choice stays in its file, so whatever ends the run, the next
/// start without the feed finds the controller's radar client folder again. A choice made with
/// "DATA EYE FOLDER" later in the run is saved and replaces it.
void useDataFolder(ProgramState& state, const std::string& folder);
/// "SID/STAR FOLDER": picks the procedures folder and saves it.
void chooseProcedureFolder(ProgramState& state, Platform& platform, const ProgramFolder& folder);
/// `BrowseForDataFolder`: the folder browser with the prompt `FolderSelector` asks for; the
/// chosen path (with "/recent.dat" for the data folder), or "" when nothing was chosen.
std::string browseForDataFolder(const ProgramState& state, Platform& platform);
}  // namespace FolderChoice

}  // namespace corvane
