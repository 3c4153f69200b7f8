#include "station/RunwayReader.h"

#include <string>

#include "platform/LineSource.h"
#include "station/ProcedureFile.h"
#include "window/MainWindowModel.h"
#include "window/StationState.h"

namespace corvane {

bool RunwayReader::read(LineSource& lines, std::string_view airportCode, MainWindowModel& window,
                        StationState& station) {
    std::string_view line;
    while (lines.next(line)) {
        if (ProcedureFile::isAirportNameLine(line, airportCode)) {
            station.airportName = std::string(ProcedureFile::airportName(line));
        }
        if (ProcedureFile::isAiracLine(line)) {
            station.airac = std::string(ProcedureFile::airacText(line));
        }
        if (ProcedureFile::isRunwayLine(line)) {
            const std::string runway(ProcedureFile::runwayDesignator(line));
            window.departure.runway.add(runway);
            window.arrival.runway.add(runway);
        }
        if (ProcedureFile::isEndOfRunways(line)) {
            return true;
        }
    }
    // A file without "ENDRNWS" simply ends the runway section at its end.
    return !lines.failed();
}

}  // namespace corvane
