#include <gtest/gtest.h>

#include "station/AtisInformation.h"
#include "station/SquawkTable.h"
#include "support/AppFixture.h"
#include "support/CaseName.h"

namespace corvane {
namespace {

using test::CaseRow;
namespace A = AtisInformation;

// Squawk rows: the table's file name, its bytes; the window after the airport's line was read.
class Atis : public test::AppFixture, public ::testing::WithParamInterface<CaseRow> {
protected:
    std::string run(const CaseRow& c) {
        MainWindowModel& w = window();
        if (c[0] == "showAtis") {
            w.lblQNH.text = "KEEP";
            state().QnhPosition = 77;
            A::showAtis(context(), c[1]);
            const std::string message = platform.messages.empty() ? "" : value("messages");
            EXPECT_TRUE(platform.messages.empty() || value("icons") == "0");
            EXPECT_TRUE(platform.messages.empty() || value("titles").empty());
            return w.LblAtisInf.text + "|" + w.lblQNH.text + "|" +
                   std::to_string(state().QnhPosition) + "|" + message;
        }
        if (c[0] == "transitionLevel") {
            w.lblTL.text = "70";
            w.lblPollici.text = "29.92";
            c[1] == "-" ? void(w.lblQNH.text = "") : A::showAtis(context(), "EDDF Q" + c[1]);
            w.lblTA.text = c[2];
            A::showTransitionLevel(window(), state());
            return w.lblTL.text + "|" + w.lblPollici.text + "|" + w.lblQNH.text;
        }
        if (c[0] == "squawk") {
            state().AirportCode = "EDDF";
            w.LblAtisInf.text = "EDDF Q1013";
            w.lblQNH.text = "1013";
            state().QnhPosition = 6;
            w.lblTA.text = w.lblTL.text = w.lblPollici.text = "PREV";
            home.write("DATA/" + c[1], c[2]);
            EXPECT_TRUE(SquawkTable::load(context()));
            return w.Lblr1_1.text + "|" + w.Lblr2_1.text + "|" + w.LblSquawk.text + "|" +
                   w.lblTA.text + "|" + w.lblTL.text + "|" + value("messages");
        }
        if (c[0] == "increment") {
            return test::decimal(A::transitionIncrement(std::stod(c[1])));
        }
        if (c[0] == "qnhPosition") {
            return std::to_string(A::qnhPosition(c[1]));
        }
        return c[0] == "inches" ? A::inchesOfMercury(std::stod(c[1]))
                                : std::string(A::qnhText(c[1], std::stoi(c[2])));
    }
};

TEST_P(Atis, GivesTheExpectedText) {
    EXPECT_EQ(run(GetParam()), GetParam().cells.back());
}

INSTANTIATE_TEST_SUITE_P(Table, Atis, ::testing::ValuesIn(test::caseTable("station/atis.tsv")),
                         test::caseName<CaseRow>);
INSTANTIATE_TEST_SUITE_P(Squawks, Atis, ::testing::ValuesIn(test::caseTable("station/squawks.tsv")),
                         test::caseName<CaseRow>);

}  // namespace
}  // namespace corvane
