#include "station/ProcedureFile.h"

#include "common/TextColumns.h"
#include "platform/FileSystem.h"
#include "platform/ProgramFolder.h"

namespace corvane {

namespace {

bool isAsciiLetterOrDigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool columnsAre(std::string_view line, std::size_t first, std::size_t last, std::string_view text) {
    return TextColumns::columns(line, first, last) == text;
}

}  // namespace

bool ProcedureFile::isSafeAirportCode(std::string_view airportCode) {
    if (airportCode.size() != 4) {
        return false;
    }
    for (const char c : airportCode) {
        if (!isAsciiLetterOrDigit(c)) {
            return false;
        }
    }
    return true;
}

std::string ProcedureFile::fileName(std::string_view airportCode) {
    return std::string(airportCode) + ".txt";
}

std::string ProcedureFile::path(const FileSystem& files, const std::string& procFolder,
                                std::string_view airportCode) {
    const std::string name = fileName(airportCode);
    // An empty folder setting names the root, as the folder text followed by the separator does.
    const std::string folder = procFolder.empty() ? std::string("/") : procFolder;
    const std::string exact = joinPath(folder, name);
    if (files.exists(exact)) {
        return exact;
    }
    // Procedure files are often named "eddf.txt" or "EDDF.TXT"; the original file system
    // ignored the difference.
    const auto found = files.findIgnoringCase(folder, name);
    if (!found) {
        return exact;
    }
    return joinPath(folder, *found);
}

std::unique_ptr<LineSource> ProcedureFile::open(FileSystem& files, const std::string& filePath,
                                                FileStatus& status) {
    return files.openLines(filePath, status);
}

bool ProcedureFile::isRunwayLine(std::string_view line) {
    return columnsAre(line, 1, 3, "RNW") && !columnsAre(line, 1, 4, "RNWS");
}

std::string_view ProcedureFile::runwayDesignator(std::string_view line) {
    return TextColumns::columns(line, 5, 7);
}

bool ProcedureFile::isAirportNameLine(std::string_view line, std::string_view airportCode) {
    return columnsAre(line, 3, 6, airportCode);
}

std::string_view ProcedureFile::airportName(std::string_view line) {
    return trimSpaces(TextColumns::columns(line, 8, 47));
}

bool ProcedureFile::isAiracLine(std::string_view line) {
    return columnsAre(line, 3, 7, "AIRAC");
}

std::string_view ProcedureFile::airacText(std::string_view line) {
    return TextColumns::columns(line, 3, 62);
}

bool ProcedureFile::isEndOfRunways(std::string_view line) {
    return columnsAre(line, 1, 7, "ENDRNWS");
}

bool ProcedureFile::isSidLine(std::string_view line) {
    return columnsAre(line, 1, 3, "SID") && !columnsAre(line, 1, 4, "SIDS");
}

bool ProcedureFile::isEndOfSids(std::string_view line) {
    return columnsAre(line, 1, 7, "ENDSIDS");
}

std::string_view ProcedureFile::sidName(std::string_view line) {
    return TextColumns::columns(line, 5, 10);
}

bool ProcedureFile::isStarLine(std::string_view line) {
    return columnsAre(line, 1, 4, "STAR") && !columnsAre(line, 1, 5, "STARS");
}

std::string_view ProcedureFile::starName(std::string_view line) {
    return TextColumns::columns(line, 6, 11);
}

bool ProcedureFile::isApproachLine(std::string_view line) {
    return columnsAre(line, 1, 8, "APPROACH");
}

std::string_view ProcedureFile::approachName(std::string_view line) {
    return TextColumns::columns(line, 10, 16);
}

std::string_view ProcedureFile::approachDescription(std::string_view line) {
    return TextColumns::from(line, 10);
}

int ProcedureFile::approachRunwayHits(std::string_view line, std::string_view runway) {
    if (!isApproachLine(line)) {
        return 0;
    }
    int hits = 0;
    hits += columnsAre(line, 14, 15, runway) ? 1 : 0;
    hits += columnsAre(line, 13, 14, runway) ? 1 : 0;
    hits += columnsAre(line, 14, 16, runway) ? 1 : 0;
    hits += columnsAre(line, 13, 15, runway) ? 1 : 0;
    return hits;
}

bool ProcedureFile::isDepartureRunwayLine(std::string_view line, std::string_view runway) {
    return columnsAre(line, 6, 8, runway);
}

}  // namespace corvane
