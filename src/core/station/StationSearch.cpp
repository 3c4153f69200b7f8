#include "station/StationSearch.h"

#include "common/TextCodec.h"
#include "common/TextColumns.h"
#include "snapshot/SnapshotField.h"
#include "station/AccountMatch.h"
#include "station/AtisInformation.h"
#include "station/RatingTable.h"
#include "window/AppContext.h"
#include "window/ConnectionReset.h"
#include "window/StationPresenter.h"

namespace corvane {

namespace {

constexpr const char* kNotWholeName =
    "PAY ATTENTION!!! INSERT YOUR NAME AND SURNAME TO IVAO CONNECTED";
// A callsign of this length has its own layout for centres: only the callsign is taken.
constexpr std::size_t kLongCentreCallsign = 12;

}  // namespace

StationSearch::StationSearch(AppContext& context, std::string_view typed)
    : context_(context), typed_(typed), length_(TextColumns::length(trimSpaces(typed))) {}

bool StationSearch::tryLine(std::string_view line) {
    // Snapshot lines are ASCII at their head almost always; then columns are bytes.
    const std::string_view head = line.substr(0, AccountMatch::headBytes(length_));
    asciiHeadBytes_ = TextCodec::isAscii(head) ? head.size() : 0;
    for (const StationLayout& layout : kStationLayouts) {
        if (!tryLayout(line, layout)) {
            return false;
        }
    }
    return true;
}

bool StationSearch::tryLayout(std::string_view line, const StationLayout& layout) {
    if (asciiHeadBytes_ > 0 && !mayMatch(line, layout)) {
        return true;
    }
    const AccountMatchKind match =
        AccountMatch::match(line, layout, typed_, length_, asciiHeadBytes_);
    if (match == AccountMatchKind::None) {
        return true;
    }
    // A whole VID identifies the controller by itself; a name must be followed by the rating,
    // or it was only the start of someone's name.
    if (match != AccountMatchKind::ByVid &&
        !AccountMatch::followedByRating(line, layout, length_)) {
        context_.warn(kNotWholeName);
        ConnectionReset::resetConnection(context_);
        outcome_ = Outcome::Refused;
        return false;
    }
    outcome_ = Outcome::Found;
    context_.state.StationVid = std::string(TextColumns::mid(line, layout.vidColumn, kVidLength));
    StationState& station = context_.state.Station;
    const bool centre = AccountMatch::isCentre(line, layout);
    if (layout.callsignLength == kLongCentreCallsign && centre) {
        context_.state.CentreMode = true;
        station.callsign = std::string(TextColumns::left(line, kLongCentreCallsign));
        StationPresenter::present(station, context_.window);
        return true;
    }
    showFields(line);
    if (layout.callsignLength != kLongCentreCallsign && centre) {
        context_.state.CentreMode = true;
        station.callsign = std::string(TextColumns::left(line, layout.callsignLength));
    }
    StationPresenter::present(station, context_.window);
    return true;
}

// On an ASCII head, a layout can match only if the account's first character stands at its
// name column (upper-cased) or at its VID column: a cheap test that rules out almost every line.
bool StationSearch::mayMatch(std::string_view line, const StationLayout& layout) const {
    if (typed_.empty()) {
        return false;
    }
    const char first = typed_.front();
    const auto at = [&line](std::size_t column) {
        return column - 1 < line.size() ? line[column - 1] : '\0';
    };
    const char name = at(layout.nameColumn);
    const char upper = name >= 'a' && name <= 'z' ? static_cast<char>(name - 32) : name;
    return upper == first || at(layout.vidColumn) == first;
}

bool StationSearch::mayMatchLine(std::string_view raw) const {
    if (!TextCodec::isAscii(raw.substr(0, AccountMatch::headBytes(length_)))) {
        return true;
    }
    for (const StationLayout& layout : kStationLayouts) {
        if (mayMatch(raw, layout)) {
            return true;
        }
    }
    return false;
}

void StationSearch::showFields(std::string_view line) {
    StationState& station = context_.state.Station;
    fields_.split(line, snapshot::Atis + 1);
    if (fields_.has(snapshot::Callsign)) {
        station.callsign = std::string(fields_.field(snapshot::Callsign));
        positionName_ = station.callsign;
    }
    if (fields_.has(snapshot::StationRating)) {
        // A rating that is no whole number names no rating; the connect goes on without one.
        rating_ = RatingTable::number(fields_.field(snapshot::StationRating)).value_or(0);
    }
    if (fields_.has(snapshot::LocationName)) {
        station.airportName = std::string(fields_.field(snapshot::LocationName));
    }
    if (fields_.has(snapshot::Atis)) {
        AtisInformation::showAtis(context_, fields_.field(snapshot::Atis));
    }
    // The rating is shown only once the walk over the fields has passed the ATIS.
    if (fields_.has(snapshot::Atis + 1)) {
        if (const auto caption = RatingTable::caption(rating_)) {
            station.rating = std::string(*caption);
        }
    }
}

}  // namespace corvane
