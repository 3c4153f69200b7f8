#pragma once

#include <string>

namespace corvane {

class FileSystem;

/// The program folder: the folder that holds the DATA subfolder with the program's own files
/// (settings, squawk table, airline table, clearance logs). The subfolder and the files in it
/// are found whatever their letter case, as on the case-insensitive file system the data files
/// were first kept on.
class ProgramFolder {
public:
    /// The file names the program keeps in its DATA subfolder.
    static constexpr const char* kSnapshotSettings = "dirRecent.txt";
    static constexpr const char* kProcedureSettings = "dirSidStar.txt";
    static constexpr const char* kSquawkTable = "ssr_code.txt";
    static constexpr const char* kAirlineTable = "airlines.dat";
    static constexpr const char* kDepartureLog = "departure.txt";
    static constexpr const char* kArrivalLog = "arrival.txt";

    ProgramFolder(std::string root, const FileSystem& files);

    const std::string& root() const { return root_; }
    /// The DATA subfolder (its existing spelling, or "DATA" when there is none yet).
    std::string dataFolder() const;
    /// A file of the DATA subfolder (its existing spelling, or `name` as given).
    std::string dataFile(const std::string& name) const;

private:
    std::string root_;
    const FileSystem& files_;
};

/// Joins a folder and a name with the platform's separator.
std::string joinPath(const std::string& folder, const std::string& name);

}  // namespace corvane
