#include "station/SearchPassTraffic.h"

#include "app/AppContext.h"

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
    if (!lists_ || !lists_->isFor(state.AirportCode, state.CentreMode)) {
        return TrafficLists::load(context);
    }
    if (firstLine_ > 0 && !TrafficLists::load(context, firstLine_)) {
        return false;
    }
    lists_->moveTo(context.window);
    lists_.reset();
    return true;
}

}  // namespace corvane
