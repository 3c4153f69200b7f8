#include "traffic/FlightPlanDecoding.h"

#include <gtest/gtest.h>

#include "support/CaseName.h"
#include "support/CaseTable.h"

namespace corvane {
namespace {

using D = FlightPlanDecoding;
using test::CaseRow;

const test::TextFunctions kDecoding = {
    {"cruisingLevel", [](const CaseRow& c) { return D::cruisingLevel(c[1]); }},
    {"cruisingSpeed", [](const CaseRow& c) { return D::cruisingSpeed(c[1]); }},
    {"time", [](const CaseRow& c) { return test::orNone(D::time(c[1])); }},
    {"expectedSid", [](const CaseRow& c) { return test::orNone(D::expectedSid(c[1])); }},
    {"expectedStar", [](const CaseRow& c) { return test::orNone(D::expectedStar(c[1])); }},
    {"planningSpeed",
     [](const CaseRow& c) { return test::decimal(D::planningSpeed(std::stod(c[1]))); }},
    {"flyingTime",
     [](const CaseRow& c) {
         const FlyingTime t = D::flyingTime(std::stod(c[1]), std::stod(c[2]));
         return std::to_string(t.hours) + " h " + std::to_string(t.minutes) + " min";
     }},
    {"clockDigits", [](const CaseRow& c) { return D::clockDigits(std::stoll(c[1])); }},
};

class Decoding : public ::testing::TestWithParam<CaseRow> {};

TEST_P(Decoding, GivesTheExpectedText) {
    EXPECT_EQ(kDecoding.at(GetParam()[0])(GetParam()), GetParam().cells.back());
}

INSTANTIATE_TEST_SUITE_P(Table, Decoding,
                         ::testing::ValuesIn(test::caseTable("traffic/decoding.tsv")),
                         test::caseName<CaseRow>);

}  // namespace
}  // namespace corvane
