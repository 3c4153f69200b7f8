#include "traffic/FlightPlanDecoding.h"

#include <cmath>

#include "common/NumberText.h"
#include "common/TextColumns.h"

namespace corvane {

namespace {

bool isRouteOfThree(std::string_view route) {
    return TextColumns::length(route) == 3;
}

}  // namespace

std::string FlightPlanDecoding::cruisingLevel(std::string_view field) {
    return NumberText::format(NumberText::leading(TextColumns::mid(field, 2, 3)));
}

std::string FlightPlanDecoding::cruisingSpeed(std::string_view field) {
    double knots = NumberText::leading(TextColumns::mid(field, 3, 3));
    if (TextColumns::left(field, 1) == "M") {
        knots *= 6.0;  // Mach in hundredths times 6 gives knots near enough for planning
    }
    return NumberText::format(knots);
}

std::optional<std::string> FlightPlanDecoding::time(std::string_view field) {
    // HHMM, HMM or MM: the hours are what stands before the last two characters.
    const std::size_t length = TextColumns::length(field);
    if (length < 2 || length > 4) {
        return std::nullopt;
    }
    const std::string_view hours = TextColumns::left(field, length - 2);
    std::string time(2 - TextColumns::length(hours), '0');
    time.append(hours);
    time.push_back(':');
    time.append(TextColumns::right(field, 2));
    return time;
}

std::optional<std::string> FlightPlanDecoding::expectedSid(std::string_view route) {
    if (isRouteOfThree(route)) {
        return std::nullopt;
    }
    std::optional<std::string> sid;
    for (std::size_t n = 4; n <= 8; ++n) {
        if (TextColumns::mid(route, n, 1) == " ") {
            sid = std::string(TextColumns::left(route, n - 1));
        }
    }
    return sid;
}

std::optional<std::string> FlightPlanDecoding::expectedStar(std::string_view route) {
    if (isRouteOfThree(route)) {
        return std::nullopt;
    }
    const std::size_t length = TextColumns::length(route);
    std::optional<std::string> star;
    for (std::size_t n = 4; n <= 8 && n <= length; ++n) {
        if (TextColumns::mid(route, length - n + 1, 1) == " ") {
            star = std::string(TextColumns::right(route, n - 1));
        }
    }
    return star;
}

double FlightPlanDecoding::planningSpeed(double filedKnots) {
    double speed = filedKnots;
    if (speed > 300.0) {
        speed = (speed + 500.0) / 3.0;
    }
    return std::floor(speed);
}

FlyingTime FlightPlanDecoding::flyingTime(double distanceNm, double planningKnots) {
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    const auto seconds =
        static_cast<long long>(std::nearbyint(distanceNm * 3600.0 / planningKnots));
    FlyingTime time;
    time.hours = seconds / 3600;
    time.minutes = (seconds - time.hours * 3600) / 60;
    return time;
}

std::string FlightPlanDecoding::clockDigits(long long value) {
    return value >= 0 && value <= 9 ? NumberText::twoDigits(value) : std::to_string(value);
}

}  // namespace corvane
