#include "traffic/AirlineLookup.h"

#include "TrafficFixture.h"

namespace corvane {
namespace {

struct AirlineCase {
    const char* callsign;
    const char* airline;
};

class AirlineLookupTest : public test::TrafficFixture {};

class AirlineLookupCases : public test::TrafficFixture,
                           public ::testing::WithParamInterface<AirlineCase> {};

TEST_P(AirlineLookupCases, ShowsTheThirdFieldOfTheFirstMatchingLine) {
    airlineTable();
    window().lblCompanyDep.text = "BEFORE";
    AirlineLookup::lookup(context(), GetParam().callsign, window().lblCompanyDep);
    EXPECT_EQ(window().lblCompanyDep.text, GetParam().airline);
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, AirlineLookupCases,
    ::testing::Values(AirlineCase{"DLH4AB", "Lufthansa"},  // first of two DLH lines
                      AirlineCase{"AZA123", "Alitalia"},   // the two-field AZA line never matches
                      AirlineCase{"EZY12", "easyJet"},     // last field, no colon after it
                      AirlineCase{"BAW123", "UNKNOWN"},    // a line of one field
                      AirlineCase{"dlh4ab", "UNKNOWN"},    // case-sensitive
                      AirlineCase{"RYR1", "UNKNOWN"},      // no line at all
                      AirlineCase{"DL", "UNKNOWN"},        // "DL" is not "DL:"
                      AirlineCase{"DL:X", "Delta"},        // three characters "DL:" match
                      AirlineCase{"", "UNKNOWN"}));

TEST_F(AirlineLookupTest, AnEmptyAirlineTableLeavesTheLabel) {
    home.write("DATA/airlines.dat", "");
    window().lblCompanyArr.text = "Condor";
    AirlineLookup::lookup(context(), "DLH1", window().lblCompanyArr);
    EXPECT_EQ(window().lblCompanyArr.text, "Condor");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AirlineLookupTest, TheTableIsFoundWhateverItsLetterCase) {
    home.write("DATA/AIRLINES.DAT", "CFG:CONDOR:Condor:Germany\r\n");
    AirlineLookup::lookup(context(), "CFG123", window().lblCompanyDep);
    EXPECT_EQ(window().lblCompanyDep.text, "Condor");
}

TEST_F(AirlineLookupTest, AMissingTableShowsUnknownAndIsReportedOnce) {
    window().lblCompanyDep.text = "Lufthansa";
    AirlineLookup::lookup(context(), "DLH1", window().lblCompanyDep);
    AirlineLookup::lookup(context(), "AZA1", window().lblCompanyArr);
    AirlineLookup::lookup(context(), "EZY1", window().lblCompanyDep);
    EXPECT_EQ(window().lblCompanyDep.text, "UNKNOWN");
    EXPECT_EQ(window().lblCompanyArr.text, "UNKNOWN");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(platform.messages[0].text,
              "PAY ATTENTION!!! THE AIRLINE TABLE " + home.file("DATA/airlines.dat") +
                  " IS MISSING OR CANNOT BE READ (FILE NOT FOUND). AIRLINES ARE SHOWN AS UNKNOWN");
    EXPECT_TRUE(state().AirlineTableReported);
}

TEST_F(AirlineLookupTest, ATableThatIsAFolderIsUnreadable) {
    home.write("DATA/airlines.dat/.keep", "");
    AirlineLookup::lookup(context(), "DLH1", window().lblCompanyDep);
    EXPECT_EQ(window().lblCompanyDep.text, "UNKNOWN");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("AIRLINE TABLE"), std::string::npos);
}

}  // namespace
}  // namespace corvane
