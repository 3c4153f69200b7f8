#include "feed/FeedOutage.h"

namespace corvane {

std::optional<std::string> FeedOutage::begin(std::string_view reason) {
    if (inOutage_) {
        return std::nullopt;
    }
    inOutage_ = true;
    return "PAY ATTENTION!!! THE LIVE IVAO FEED IS UNAVAILABLE (" + std::string(reason) +
           "). THE LAST TRAFFIC SNAPSHOT STAYS IN USE";
}

std::optional<std::string> FeedOutage::take(std::string_view line) {
    if (line == kFeedRecoveredLine) {
        inOutage_ = false;
        return std::nullopt;
    }
    if (!line.starts_with(kFeedOutageLine)) {
        return std::nullopt;
    }
    const std::size_t lead = line.find(kFeedOutageReasonLead);
    return begin(lead == std::string_view::npos
                     ? std::string_view("no reason given")
                     : line.substr(lead + std::string_view(kFeedOutageReasonLead).size()));
}

std::optional<std::string> FeedOutage::readerStopped(std::string_view reason) {
    return begin(reason);
}

}  // namespace corvane
