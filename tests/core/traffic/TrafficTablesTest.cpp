#include <iomanip>

#include "support/CaseTable.h"
#include "traffic/FlightPlanDecoding.h"
#include "traffic/GreatCircle.h"

namespace corvane {
namespace {

namespace D = FlightPlanDecoding;
using test::CaseRow;

double number(const CaseRow& c, std::size_t i) {
    return std::stod(c[i]);
}

// `value` to `digits` significant digits.
std::string digits(double value, const std::string& digits) {
    std::ostringstream out;
    out << std::setprecision(std::stoi(digits)) << value;
    return out.str();
}

const test::TextFunctions kTraffic = {
    {"cruisingLevel", [](const CaseRow& c) { return D::cruisingLevel(c[1]); }},
    {"cruisingSpeed", [](const CaseRow& c) { return D::cruisingSpeed(c[1]); }},
    {"time", [](const CaseRow& c) { return test::orNone(D::time(c[1])); }},
    {"expectedSid", [](const CaseRow& c) { return test::orNone(D::expectedSid(c[1])); }},
    {"expectedStar", [](const CaseRow& c) { return test::orNone(D::expectedStar(c[1])); }},
    {"planningSpeed",
     [](const CaseRow& c) { return test::decimal(D::planningSpeed(number(c, 1))); }},
    {"flyingTime",
     [](const CaseRow& c) {
         const FlyingTime t = D::flyingTime(number(c, 1), number(c, 2));
         return std::to_string(t.hours) + " h " + std::to_string(t.minutes) + " min";
     }},
    {"clockDigits", [](const CaseRow& c) { return D::clockDigits(std::stoll(c[1])); }},
    {"distance",
     [](const CaseRow& c) {
         return test::decimal(
             GreatCircle::distanceNm(number(c, 1), number(c, 2), number(c, 3), number(c, 4)));
     }},
    {"arccos", [](const CaseRow& c) { return digits(GreatCircle::arccos(number(c, 1)), c[2]); }},
    {"radians", [](const CaseRow& c) { return digits(GreatCircle::radians(number(c, 1)), c[2]); }},
    {"constants",
     [](const CaseRow&) {
         return digits(GreatCircle::kPi, "15") + " " + digits(GreatCircle::kEarthRadiusKm, "15") +
                " " + digits(GreatCircle::kNmPerKm, "15");
     }},
};

CORVANE_TEXT_TABLE(Decoding, kTraffic, "traffic/decoding.tsv");
CORVANE_TEXT_TABLE(GreatCircles, kTraffic, "traffic/great-circle.tsv");

}  // namespace
}  // namespace corvane
