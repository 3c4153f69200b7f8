#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "snapshot/SnapshotLine.h"
#include "station/StationLayout.h"

namespace corvane {

class AppContext;
class LineSource;

/// The search of the traffic snapshot for the operator's own station line. Every line is tried
/// in the four layouts; each match shows what it holds, so the last matching line decides.
class StationSearch {
public:
    enum class Outcome {
        NotFound,  ///< no line matched
        Found,     ///< at least one line matched; the station fields are shown
        Refused,   ///< a name matched only in part; the message is shown, the connection reset
    };

    /// Starts a search for the account `typed` (the operator text exactly as typed).
    StationSearch(AppContext& context, std::string_view typed);

    /// Tries one raw snapshot line. Returns false when the search must stop (Refused).
    bool tryLine(std::string_view line);
    /// The outcome so far.
    Outcome outcome() const { return outcome_; }
    /// The callsign shown by the fields step of the last match (P), "" when none ran.
    const std::string& positionName() const { return positionName_; }

    /// False when the raw, undecoded line can match in no layout (decided on an ASCII head
    /// only; any other line may match and must be decoded and tried).
    bool mayMatchLine(std::string_view raw) const;

private:
    bool tryLayout(std::string_view line, const StationLayout& layout);
    void showFields(std::string_view line);
    bool mayMatch(std::string_view line, const StationLayout& layout) const;

    AppContext& context_;
    std::string_view typed_;
    std::size_t length_;
    std::size_t asciiHeadBytes_ = 0;
    Outcome outcome_ = Outcome::NotFound;
    std::string positionName_;
    std::int16_t rating_ = 0;
    SnapshotLine fields_;
};

}  // namespace corvane
