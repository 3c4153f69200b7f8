#include "feed/NearestAirport.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "common/GreatCircle.h"
#include "common/NumberText.h"

namespace corvane {

namespace {

constexpr int kRows = 180;
constexpr int kColumns = 360;
constexpr double kNmPerDegree = 60.0;
constexpr double kRadians = std::numbers::pi / 180.0;

int row(double latitude) {
    return std::clamp(static_cast<int>(std::floor(latitude)) + 90, 0, kRows - 1);
}

int column(double longitude) {
    return std::clamp(static_cast<int>(std::floor(longitude)) + 180, 0, kColumns - 1);
}

}  // namespace

NearestAirport::NearestAirport(const AirportTable& airports) {
    for (const auto& [code, position] : airports.all()) {
        const auto latitude = NumberText::strict(position.latitude);
        const auto longitude = NumberText::strict(position.longitude);
        if (latitude && longitude && code.size() == 4) {
            airports_.push_back({*latitude, *longitude, {code[0], code[1], code[2], code[3]}});
        }
    }
    const auto cell = [](const Entry& e) {
        return row(e.latitude) * kColumns + column(e.longitude);
    };
    std::sort(airports_.begin(), airports_.end(),
              [&cell](const Entry& a, const Entry& b) { return cell(a) < cell(b); });
    cellStarts_.assign(kRows * kColumns + 1, 0);
    for (const Entry& e : airports_) {
        ++cellStarts_[static_cast<std::size_t>(cell(e)) + 1];
    }
    for (std::size_t i = 1; i < cellStarts_.size(); ++i) {
        cellStarts_[i] += cellStarts_[i - 1];
    }
}

std::string NearestAirport::near(double latitude, double longitude) const {
    if (!(latitude >= -90.0 && latitude <= 90.0 && longitude >= -180.0 && longitude <= 180.0)) {
        return kNone;
    }
    const double reach = kRadiusNm / kNmPerDegree;  // degrees of latitude
    // A degree of longitude shrinks towards the poles; near them every column is searched.
    const double widest = std::abs(latitude) + reach;
    const double lonReach = widest >= 89.0 ? 180.0 : reach / std::cos(widest * kRadians);
    const int firstColumn = static_cast<int>(std::floor(longitude - lonReach)) + 180;
    const int columns = std::min(
        kColumns, static_cast<int>(std::floor(longitude + lonReach)) + 180 - firstColumn + 1);
    const Entry* best = nullptr;
    double bestDistance = 0.0;
    for (int y = row(latitude - reach); y <= row(latitude + reach); ++y) {
        for (int i = 0; i < columns; ++i) {
            const int x = ((firstColumn + i) % kColumns + kColumns) % kColumns;  // across 180
            const std::size_t cell = static_cast<std::size_t>(y * kColumns + x);
            for (std::uint32_t k = cellStarts_[cell]; k < cellStarts_[cell + 1]; ++k) {
                const Entry& e = airports_[k];
                const double d = GreatCircle::arcNm(latitude, longitude, e.latitude, e.longitude);
                if (d <= kRadiusNm &&
                    (!best || d < bestDistance || (d == bestDistance && e.code < best->code))) {
                    best = &e;
                    bestDistance = d;
                }
            }
        }
    }
    return best ? std::string(best->code.data(), best->code.size()) : kNone;
}

}  // namespace corvane
