#include "station/SearchPassTraffic.h"

#include "station/ConnectErrorTrap.h"
#include "window/AppContext.h"

namespace corvane {

void SearchPassTraffic::follow(std::string_view airportCode, bool centreMode,
                               std::size_t lineIndex) {
    if (lists_ && lists_->isFor(airportCode, centreMode)) {
        return;
    }
    lists_.emplace(airportCode, centreMode);
    firstLine_ = lineIndex;
}

bool SearchPassTraffic::complete(AppContext& context) {
    const ProgramState& state = context.state;
    const bool gathered = lists_ && lists_->isFor(state.AirportCode, state.CentreMode);
    if (gathered && firstLine_ == 0) {
        lists_->moveTo(context.window);
        return true;
    }
    FileStatus status = FileStatus::Ok;
    auto lines = context.files().openLines(state.SnapshotPath, status);
    if (!lines) {
        ConnectErrorTrap::snapshotFailed(context, status, state.SnapshotPath);
        return false;
    }
    const bool sameSnapshot = version_.has_value() && lines->version() == version_;
    if (!gathered || !sameSnapshot) {
        return TrafficLists::load(context, *lines);
    }
    if (!TrafficLists::load(context, *lines, firstLine_)) {
        return false;
    }
    lists_->moveTo(context.window);
    return true;
}

}  // namespace corvane
