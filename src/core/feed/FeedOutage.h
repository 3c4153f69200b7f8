#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

/// The first words of the line with which corvane-feed reports the start of an outage.
inline constexpr const char* kFeedOutageLine = "corvane-feed: feed unavailable";
/// The words between the outage line's start and its reason.
inline constexpr const char* kFeedOutageReasonLead = ", keeping the last snapshot: ";
/// The line with which corvane-feed reports the end of an outage.
inline constexpr const char* kFeedRecoveredLine = "corvane-feed: feed back, snapshot updated";

/// Follows the live feed reader's reports so the window warns at most once per outage.
class FeedOutage {
public:
    /// The warning to show for the reader's standard error line `line`, or nothing: only the
    /// first report of an outage warns; the report of its end lets the next outage warn again.
    std::optional<std::string> take(std::string_view line);

    /// The warning to show when the reader could not start or ended, for `reason`; nothing
    /// when the present outage was already told.
    std::optional<std::string> readerStopped(std::string_view reason);

private:
    std::optional<std::string> begin(std::string_view reason);

    bool inOutage_ = false;
};

}  // namespace corvane
