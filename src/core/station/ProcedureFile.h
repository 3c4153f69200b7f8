#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/FileStatus.h"
#include "platform/LineSource.h"

namespace corvane {

class FileSystem;

/// The airport's procedure file (PMDG SIDSTARS text format): where it lies and which of its
/// lines the program recognises. Every test works on the raw line by character columns counted
/// from 1, exactly and case-sensitively; a column range past the end of the line is cut there.
namespace ProcedureFile {
/// True when `airportCode` is four ASCII letters or digits, the only codes that may become
/// part of a file name (a crafted callsign must not lead the program to other files).
bool isSafeAirportCode(std::string_view airportCode);
/// The file name of the airport's procedure file, e.g. "EDDF.txt".
std::string fileName(std::string_view airportCode);
/// The path `procFolder` + "/" + code + ".txt"; when no file of exactly that name exists,
/// an entry of the folder that matches the name ignoring letter case is taken instead.
std::string path(const FileSystem& files, const std::string& procFolder,
                 std::string_view airportCode);
/// Opens the procedure file at `filePath`; null on failure with `status` set.
std::unique_ptr<LineSource> open(FileSystem& files, const std::string& filePath,
                                 FileStatus& status);

/// Columns 1-3 are "RNW" and columns 1-4 are not "RNWS".
bool isRunwayLine(std::string_view line);
/// Columns 5-7 of a runway line: the designator, three characters ("25L", "09 ").
std::string_view runwayDesignator(std::string_view line);
/// Columns 3-6 equal `airportCode`.
bool isAirportNameLine(std::string_view line, std::string_view airportCode);
/// Columns 8-47 of an airport name line without surrounding spaces.
std::string_view airportName(std::string_view line);
/// Columns 3-7 are "AIRAC".
bool isAiracLine(std::string_view line);
/// Columns 3-62 of an AIRAC line, as they stand.
std::string_view airacText(std::string_view line);
/// Columns 1-7 are "ENDRNWS".
bool isEndOfRunways(std::string_view line);
/// Columns 1-3 are "SID" and columns 1-4 are not "SIDS".
bool isSidLine(std::string_view line);
/// Columns 1-7 are "ENDSIDS".
bool isEndOfSids(std::string_view line);
/// Columns 5-10 of a SID line (six characters, cut or padded by what follows on the line).
std::string_view sidName(std::string_view line);
/// Columns 1-4 are "STAR" and columns 1-5 are not "STARS".
bool isStarLine(std::string_view line);
/// Columns 6-11 of a STAR line.
std::string_view starName(std::string_view line);
/// Columns 1-8 are "APPROACH".
bool isApproachLine(std::string_view line);
/// Columns 10-16 of an approach line: the approach name.
std::string_view approachName(std::string_view line);
/// The approach line from column 10 to its end: the approach description.
std::string_view approachDescription(std::string_view line);
/// How many of the four runway tests of an approach line hold for runway `runway`: columns
/// 14-15, 13-14, 14-16 and 13-15 each compared with it (each hit lists the approach once).
int approachRunwayHits(std::string_view line, std::string_view runway);
/// Columns 6-8 equal the take-off runway `runway` (a departure runway line).
bool isDepartureRunwayLine(std::string_view line, std::string_view runway);
}  // namespace ProcedureFile

}  // namespace corvane
