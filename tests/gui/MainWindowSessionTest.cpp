// A whole controller's session driven through the widgets only: what each step opens, fills and
// empties. The values themselves are the logic's and checked by its own tests.
#include <QFile>
#include <QTest>
#include <cstdio>

#include "GuiFixture.h"
#include "support/SnapshotLines.h"

namespace corvane::test {
namespace {

class MainWindowSessionTest : public GuiFixture {};

TEST_F(MainWindowSessionTest, AWholeSessionThroughTheWidgets) {
    start();
    connect();
    ASSERT_TRUE(messages.empty()) << messages.front().text;
    EXPECT_EQ(text("LblNomeApt"), QStringLiteral("ZÜRICH KLOTEN"));  // read as Windows-1252
    EXPECT_FALSE(widget("TxtOperatorName")->isEnabled());
    click("Command3(0)");
    EXPECT_EQ(window->size(), QSize(1291, 325));
    EXPECT_TRUE(widget("FraMetar")->isVisible());
    click("Command3(9)");
    EXPECT_EQ(window->size(), QSize(1291, 80));

    click("Command3(1)");
    EXPECT_TRUE(widget("FraSid")->isVisible());
    EXPECT_FALSE(widget("FraMetar")->isVisible());
    clickItem("LstDeparture", 0);
    click("cmdFPDep");
    QWidget* sheet = window->sheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible() && sheet->isModal());
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("INTERNATIONAL FLIGHT PLAN"));
    sheet->close();
    settle();
    EXPECT_EQ(window->sheet(), nullptr);
    EXPECT_TRUE(widget("Command3(7)")->isEnabled());
    choose("CmbTORwy", QStringLiteral("16 "));
    choose("CmbSid", QStringLiteral("VEBIT3"));
    type("TxtInClimb", QStringLiteral("5000"));
    click("cmdSidGen");
    EXPECT_EQ(items("List1").size(), 1);
    EXPECT_TRUE(items("LstDeparture").isEmpty());

    click("Command3(3)");
    EXPECT_TRUE(widget("FraStar")->isVisible());
    clickItem("LstArrival", 0);
    choose("cmbLandRwy", QStringLiteral("14 "));
    choose("cmbStar", QStringLiteral("ROTOS2"));
    type("txtDescend", QStringLiteral("6000"));
    click("cmdStarGen");
    EXPECT_EQ(items("List2").size(), 1);
    // The approach list lies over the top strip until one is chosen.
    clickItem("List3", 0);
    EXPECT_TRUE(widget("fraILS")->isVisible());
    clickItem("List4", 0);
    EXPECT_FALSE(widget("fraILS")->isVisible());
    EXPECT_TRUE(messages.empty()) << messages.front().text;

    click("Command3(7)");
    EXPECT_TRUE(items("List1").isEmpty());
    EXPECT_EQ(window->focusWidget(), widget("TxtOperatorName"));
    answers.push_back(true);
    click("Command3(8)");
    EXPECT_TRUE(ended);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowSessionTest, FollowingRefreshesOnceWhenTheSnapshotIsReplacedByRename) {
    start();
    connect();
    window->setFollowing(true);
    click("Command3(1)");
    widget("TxtInClimb")->setFocus();
    type("TxtInClimb", QStringLiteral("120"));
    ASSERT_EQ(window->focusWidget(), widget("TxtInClimb"));
    // The radar client writes the next snapshot beside the old one and renames it over it.
    QFile old(homeFile("radar/recent.dat"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    QFile next(homeFile("radar/recent.tmp"));
    ASSERT_TRUE(next.open(QIODevice::WriteOnly));
    const std::string line =
        PilotLine("EZS88").at(47.4581, 8.5481).set(snapshot::DepAirport, "LSZH").text();
    next.write(old.readAll().replace("Q1013", "Q1009") + QByteArray::fromStdString(line + "\r\n"));
    next.close();
    ASSERT_EQ(std::rename(next.fileName().toLocal8Bit().constData(),
                          old.fileName().toLocal8Bit().constData()),
              0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return items("LstDeparture").size() == 2; }, 5000));
    EXPECT_EQ(text("lblQNH"), QStringLiteral("1009"));
    EXPECT_EQ(text("TxtInClimb"), QStringLiteral("120"));
    EXPECT_EQ(window->focusWidget(), widget("TxtInClimb"));
    QTest::qWait(1500);  // one change, one refresh, even a second later
    EXPECT_EQ(window->refreshCount(), 1);
}

}  // namespace
}  // namespace corvane::test
