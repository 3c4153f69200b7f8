#include "station/AtisInformation.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "common/NumberText.h"
#include "common/TextColumns.h"
#include "window/AppContext.h"
#include "window/StationPresenter.h"

namespace corvane {

namespace {

constexpr const char* kNoAtis = "NO ATIS AVAILABLE";
constexpr const char* kNoQnh = "QNH NOT PRESENT IN ATIS";

// The conversion factor hPa -> inHg, 0.02952998751, as a whole number of 1e-11.
constexpr std::int64_t kInchesPerHpaE11 = 2952998751;
// A QNH comes from a text of four characters, so it has at most three decimals.
constexpr std::int64_t kQnhScale = 1000;
// Above this the exact product would not fit 64 bits (no four-character text reaches it).
constexpr double kLargestExactQnh = 1e6;

int characterPosition(std::string_view text, std::size_t byte) {
    return static_cast<int>(TextColumns::length(text.substr(0, byte))) + 1;
}

}  // namespace

int AtisInformation::qnhPosition(std::string_view atis) {
    for (const char* group : {"Q0", "Q1"}) {
        const std::size_t found = atis.find(group);
        if (found != std::string_view::npos) {
            return characterPosition(atis, found);
        }
    }
    return 0;
}

std::string_view AtisInformation::qnhText(std::string_view atis, int position) {
    return TextColumns::mid(atis, static_cast<std::size_t>(position) + 1, 4);
}

void AtisInformation::showAtis(AppContext& context, std::string_view atisField) {
    StationState& station = context.state.Station;
    const std::string_view atis = trimSpaces(atisField);
    if (atis.empty()) {
        station.atis = kNoAtis;
        return;
    }
    station.atis = std::string(atis);
    context.state.QnhPosition = qnhPosition(atis);
    station.qnh = std::string(qnhText(atis, context.state.QnhPosition));
    if (NumberText::leading(station.qnh) == 0.0) {
        station.qnh.clear();
        context.warn(kNoQnh);
    }
}

bool AtisInformation::showRefreshedAtis(MainWindowModel& w, ProgramState& state,
                                        std::string_view atisField) {
    StationState& station = state.Station;
    const bool changed = refreshAtis(state, atisField);
    StationPresenter::present(station, w);
    return changed;
}

bool AtisInformation::refreshAtis(ProgramState& state, std::string_view atisField) {
    StationState& station = state.Station;
    const std::string_view atis = trimSpaces(atisField);
    if (atis.empty()) {
        station.atis = kNoAtis;
        return false;
    }
    station.atis = std::string(atis);
    const int position = qnhPosition(atis);
    const std::string_view qnh = qnhText(atis, position);
    if (NumberText::leading(qnh) == 0.0) {
        return false;
    }
    state.QnhPosition = position;
    if (qnh == station.qnh) {
        return false;
    }
    station.qnh = std::string(qnh);
    // The connect derives these only for an airport whose transition altitude it found.
    if (!state.CentreMode && !station.transitionAltitude.empty()) {
        transitionLevel(station, state.QnhPosition);
    }
    return true;
}

double AtisInformation::transitionIncrement(double qnh) {
    if (qnh < 977) {
        return 2500;
    }
    if (qnh < 995) {
        return 2000;
    }
    if (qnh < 1013.2) {
        return 1500;
    }
    return 1000;
}

std::string AtisInformation::inchesOfMercury(double qnh) {
    // Work on the exact decimal product, so that a product ending in an exact half of a
    // hundredth goes to the even hundredth whatever its nearest binary value is.
    if (!(std::fabs(qnh) < kLargestExactQnh)) {
        return NumberText::format(std::nearbyint(qnh * 0.02952998751 * 100.0) / 100.0);
    }
    const std::int64_t scaled = std::llround(std::fabs(qnh) * kQnhScale);
    const std::int64_t product = scaled * kInchesPerHpaE11;    // units of 1e-14 inch
    constexpr std::int64_t kPerHundredth = 1'000'000'000'000;  // 1e-2 / 1e-14
    std::int64_t hundredths = product / kPerHundredth;
    const std::int64_t rest = product % kPerHundredth;
    if (rest * 2 > kPerHundredth || (rest * 2 == kPerHundredth && hundredths % 2 != 0)) {
        ++hundredths;
    }
    const double inches = static_cast<double>(hundredths) / 100.0;
    return NumberText::format(qnh < 0 ? -inches : inches);
}

void AtisInformation::transitionLevel(StationState& station, int qnhPosition) {
    if (station.qnh.empty()) {
        station.transitionLevel.clear();
        return;
    }
    station.qnh = std::string(qnhText(station.atis, qnhPosition));
    const double qnh = NumberText::leading(station.qnh);
    const double altitude = NumberText::leading(station.transitionAltitude);
    station.transitionLevel = NumberText::format((altitude + transitionIncrement(qnh)) / 100.0);
    station.qnhInches = inchesOfMercury(qnh);
}

}  // namespace corvane
