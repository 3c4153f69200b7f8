#include <string>
#include <vector>

#include "app/ConnectionReset.h"
#include "reference/RulesOfThumb.h"
#include "support/AppFixture.h"

namespace corvane {
namespace {

using test::AppFixture;

class ReferenceActionsTest : public AppFixture {
protected:
    ReferenceActionsTest() { start(); }

    static std::vector<std::string> allTitles() {
        std::vector<std::string> titles;
        for (const std::string_view title : RulesOfThumb::titles()) {
            titles.emplace_back(title);
        }
        return titles;
    }
};

TEST_F(ReferenceActionsTest, BothListsHoldTheTitlesAtStartWithNothingShown) {
    EXPECT_EQ(window().lstRulTum.items, allTitles());
    EXPECT_EQ(window().List5.items, allTitles());
    EXPECT_EQ(window().lstRulTum.items.at(2), "SAT out of TAT");
    EXPECT_EQ(window().lstRulTum.selected, -1);
    EXPECT_EQ(window().List5.selected, -1);
    EXPECT_EQ(window().lblRulTum.text, "");
    EXPECT_EQ(window().Label6.text, "");
}

TEST_F(ReferenceActionsTest, DepartureListWritesOnlyItsOwnField) {
    window().Label6.text = "arrival rule";
    ASSERT_EQ(app->select("lstRulTum", 2), ActionResult::Done);
    EXPECT_EQ(window().lblRulTum.text,
              "SAT (°C) = TAT (°C) - 3 x Mach. Ex.: TAT = -17 °C Mach 0.64 SAT = -17 – 3 x 6 = "
              "-17 - 18 = -35 °C");
    EXPECT_EQ(window().Label6.text, "arrival rule");
    EXPECT_EQ(window().List5.selected, -1);
}

TEST_F(ReferenceActionsTest, ArrivalListWritesOnlyItsOwnField) {
    ASSERT_EQ(app->select("lstRulTum", 8), ActionResult::Done);
    ASSERT_EQ(app->select("List5", 14), ActionResult::Done);
    EXPECT_EQ(window().Label6.text.rfind("Off-Track Distance = Æ° x distance to station / 60.", 0),
              0u);
    EXPECT_EQ(window().lblRulTum.text, "TAS (kt) = 6 x Mach. Ex.: M 0.72 TAS = 420 kt.");
    EXPECT_EQ(window().lstRulTum.selected, 8);
}

TEST_F(ReferenceActionsTest, TitleWithoutTextEmptiesTheField) {
    app->select("List5", 22);
    ASSERT_FALSE(window().Label6.text.empty());
    app->select("List5", 23);
    EXPECT_EQ(window().Label6.text, "");
}

TEST_F(ReferenceActionsTest, LastTitleShowsTheLastText) {
    app->select("lstRulTum", 34);
    EXPECT_EQ(window().lblRulTum.text,
              "Vis(m) = 6 x MDA(feet). Ex.:MDA 430 feet. Visibility = 6 x 430 feet = 2500 m.");
}

TEST_F(ReferenceActionsTest, AnIndexOutsideTheListChangesNothing) {
    app->select("lstRulTum", 0);
    const std::string before = window().lblRulTum.text;
    EXPECT_EQ(app->select("lstRulTum", 35), ActionResult::BadIndex);
    EXPECT_EQ(window().lblRulTum.text, before);
    EXPECT_EQ(window().lstRulTum.selected, 0);
}

TEST_F(ReferenceActionsTest, TextsAndTitlesSurviveAReset) {
    app->select("lstRulTum", 5);
    app->select("List5", 30);
    const std::string departure = window().lblRulTum.text;
    const std::string arrival = window().Label6.text;
    ConnectionReset::resetConnection(context());
    EXPECT_EQ(window().lblRulTum.text, departure);
    EXPECT_EQ(window().Label6.text, arrival);
    EXPECT_EQ(arrival, "Bank(°) = 15% TAS (kt). Ex.:TAS 180 kt Rate one turn.Bank = 18 + 9 = 27°");
    EXPECT_EQ(window().lstRulTum.items, allTitles());
    EXPECT_EQ(window().List5.items, allTitles());
}

}  // namespace
}  // namespace corvane
