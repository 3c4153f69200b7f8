#include "clearance/RunwaySelection.h"

#include <string>
#include <vector>

#include "station/ProcedureFile.h"
#include "station/ProcedureLines.h"
#include "window/AppContext.h"
#include "window/TrafficPanelPresenter.h"

namespace corvane {

void RunwaySelection::takeOffRunwaySelected(AppContext& context) {
    std::vector<std::string> sids;
    const bool read =
        ProcedureLines::read(context.state, context.platform, [&sids](std::string_view line) {
            if (ProcedureFile::isSidLine(line)) {
                sids.emplace_back(ProcedureFile::sidName(line));
            }
        });
    if (!read) {
        return;
    }
    MainWindowModel& w = context.window;
    // Each runway pick lists the airport's SIDs once: the list of the pick before goes.
    w.departure.procedure.items.clear();
    w.departure.procedure.selected = -1;
    for (auto& sid : sids) {
        w.departure.procedure.add(std::move(sid));
    }
    if (sids.empty()) {
        context.state.DepartureClearanceTexts.procedure = "NO SID AVAILABLE IN THIS AIRPORT";
        context.state.DepartureAircraft.phase = "NO SID";
        TrafficPanelPresenter::present(TrafficSide::Departure, context.state, w);
    }
}

void RunwaySelection::landingRunwaySelected(AppContext& context) {
    MainWindowModel& w = context.window;
    const std::string runway = w.arrival.runway.text;
    std::vector<std::string> stars;
    std::vector<std::pair<std::string, std::string>> approaches;
    const bool read =
        ProcedureLines::read(context.state, context.platform, [&](std::string_view line) {
            if (ProcedureFile::isStarLine(line)) {
                stars.emplace_back(ProcedureFile::starName(line));
            }
            // A line that passes two of the runway tests is listed twice, as the tests are made
            // one after the other.
            const int hits = ProcedureFile::approachRunwayHits(line, runway);
            for (int i = 0; i < hits; ++i) {
                approaches.emplace_back(ProcedureFile::approachName(line),
                                        ProcedureFile::approachDescription(line));
            }
        });
    if (!read) {
        return;
    }
    w.arrival.approaches.clear();
    w.approachDetail.lines.clear();
    w.arrival.procedure.items.clear();
    w.arrival.procedure.selected = -1;
    for (auto& star : stars) {
        w.arrival.procedure.add(std::move(star));
    }
    for (auto& [name, description] : approaches) {
        w.arrival.approaches.add(std::move(name));
        w.approachDetail.lines.add(std::move(description));
    }
    if (stars.empty()) {
        context.state.ArrivalClearanceTexts.procedure = "NO STAR AVAILABLE IN THIS AIRPORT";
        context.state.ArrivalAircraft.phase = "NO STAR";
        TrafficPanelPresenter::present(TrafficSide::Arrival, context.state, w);
    }
}

void RunwaySelection::approachNameClicked(MainWindowModel& window) {
    window.approachDetail.frame.visible = true;
}

void RunwaySelection::approachDescriptionClicked(MainWindowModel& window) {
    window.approachDetail.frame.visible = false;
}

}  // namespace corvane
