// A whole controller's session driven through the widgets only: folders, account, connect,
// the three panels, aircraft, runway and procedure choices, clearances, the flight plan sheet,
// reset and exit.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <cstdio>

#include "FormColours.h"
#include "GuiFixture.h"
#include "app/Colours.h"

namespace corvane::test {
namespace {

class MainWindowSessionTest : public GuiFixture {
protected:
    /// Chooses both folders with the folder buttons, as a new user does.
    void chooseFolders() {
        folders.push_back(homeFile("radar").toStdString());
        click("Command3(6)");
        folders.push_back(homeFile("SIDSTARS").toStdString());
        click("Command3(5)");
    }

    /// Types the account and connects.
    void connect() {
        type("TxtOperatorName", QStringLiteral("jane doe"));
        click("CmdExecute");
    }

    static QString readAll(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(file.readAll());
    }
};

TEST_F(MainWindowSessionTest, FolderButtonsWriteTheSettingsFiles) {
    start();
    chooseFolders();
    EXPECT_EQ(readAll(homeFile("DATA/dirRecent.txt")).trimmed(),
              homeFile("radar") + QStringLiteral("/recent.dat"));
    EXPECT_EQ(readAll(homeFile("DATA/dirSidStar.txt")).trimmed(), homeFile("SIDSTARS"));
    EXPECT_EQ(window->size(), QSize(1291, 80));  // the folder buttons collapse the window
}

TEST_F(MainWindowSessionTest, ConnectShowsTheStationWithItsAccentedName) {
    start();
    chooseFolders();
    connect();
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    EXPECT_EQ(text("LblPositionName"), QStringLiteral("LSZH_APP"));
    // The station's location, then the airport name of the (Windows-1252) procedure file.
    EXPECT_EQ(text("LblNomeApt"), QStringLiteral("ZÜRICH KLOTEN"));
    EXPECT_EQ(text("LblRating"), QStringLiteral("APC : Approach Controller"));
    EXPECT_EQ(text("lblQNH"), QStringLiteral("1013"));
    EXPECT_EQ(text("lblTA"), QStringLiteral("7000"));
    EXPECT_EQ(text("lblTL"), QStringLiteral("85"));
    EXPECT_EQ(text("lblPollici"), QStringLiteral("29.91"));
    EXPECT_FALSE(widget("TxtOperatorName")->isEnabled());
    EXPECT_FALSE(widget("CmdExecute")->isEnabled());
    for (const int index : {0, 1, 3, 5, 6, 7, 8, 9}) {
        EXPECT_TRUE(widget(QStringLiteral("Command3(%1)").arg(index))->isEnabled()) << index;
    }
    EXPECT_EQ(items("LstDeparture"), QStringList{QStringLiteral("SWR123")});
    EXPECT_EQ(items("LstArrival"),
              (QStringList{QStringLiteral("DLH456"), QStringLiteral("AZA789")}));
}

TEST_F(MainWindowSessionTest, AWholeSessionThroughTheWidgets) {
    start();
    chooseFolders();
    connect();
    ASSERT_EQ(text("LblPositionName"), QStringLiteral("LSZH_APP"));

    // ATIS panel.
    click("Command3(0)");
    EXPECT_EQ(window->size(), QSize(1291, 325));
    EXPECT_TRUE(widget("FraMetar")->isVisible());
    EXPECT_FALSE(widget("FraSid")->isVisible());
    EXPECT_EQ(text("LblAtisInf"), QStringLiteral("LSZH INFORMATION ALPHA RWY 14 Q1013 TEMP 12"));
    EXPECT_EQ(text("lblPosition"), QStringLiteral("APPROACH CONTROL"));
    EXPECT_TRUE(text("txtInfoPos")
                    .startsWith(QStringLiteral("Controls the airspace up to 30NM away from the "
                                               "airport, up to 18,000 ft (usually).")));
    EXPECT_TRUE(text("LblAirac").contains(QStringLiteral("AIRAC 2513")));

    // RESET SUB WINDOW collapses; a panel button expands again.
    click("Command3(9)");
    EXPECT_EQ(window->size(), QSize(1291, 80));

    // Departure panel.
    click("Command3(1)");
    EXPECT_EQ(window->size(), QSize(1291, 325));
    EXPECT_TRUE(widget("FraSid")->isVisible());
    EXPECT_FALSE(widget("FraMetar")->isVisible());
    EXPECT_EQ(items("CmbTORwy"),
              (QStringList{QStringLiteral("14 "), QStringLiteral("16 "), QStringLiteral("28 ")}));
    EXPECT_EQ(text("Lblr1_1"), QStringLiteral("3001"));
    EXPECT_EQ(text("Lblr2_1"), QStringLiteral("3077"));
    const QString firstCode = text("LblSquawk");
    EXPECT_FALSE(firstCode.isEmpty());

    clickItem("LstDeparture", 0);
    EXPECT_EQ(text("lblCompanyDep"), QStringLiteral("Swiss International Air Lines"));
    EXPECT_EQ(text("Label1(11)"), QStringLiteral("LSZH"));
    EXPECT_EQ(text("Label1(13)"), QStringLiteral("EGLL"));
    EXPECT_TRUE(widget("cmdFPDep")->isEnabled());

    // The flight plan sheet of the departure.
    click("cmdFPDep");
    QWidget* sheet = window->sheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_TRUE(sheet->isModal());
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("INTERNATIONAL FLIGHT PLAN"));
    auto sheetText = [sheet](const char* name) {
        auto* field = sheet->findChild<QLabel*>(QString::fromUtf8(name));
        return field != nullptr ? field->text() : QStringLiteral("<missing>");
    };
    EXPECT_EQ(sheetText("LblAircId").trimmed(), QStringLiteral("SWR123"));
    EXPECT_EQ(sheetText("LblDA"), QStringLiteral("LSZH"));
    EXPECT_EQ(sheetText("LblDEs"), QStringLiteral("EGLL"));
    EXPECT_EQ(sheetText("lblRoute"), QStringLiteral("VEBIT UL613 RESIA"));
    EXPECT_EQ(sheetText("LblNumber"), QString());
    EXPECT_EQ(sheetText("LblPIC"), QStringLiteral("Jürg Müller LSZH"));
    sheet->close();
    settle();
    EXPECT_EQ(window->sheet(), nullptr);
    // Back from the sheet the operator name and the buttons keep their state.
    EXPECT_FALSE(widget("TxtOperatorName")->isEnabled());
    EXPECT_TRUE(widget("Command3(7)")->isEnabled());

    choose("CmbTORwy", QStringLiteral("16 "));
    EXPECT_EQ(items("CmbSid"), (QStringList{QStringLiteral("VEBIT3"), QStringLiteral("DEGES2")}));
    choose("CmbSid", QStringLiteral("VEBIT3"));
    type("TxtInClimb", QStringLiteral("5a0x0009"));
    EXPECT_EQ(text("TxtInClimb"), QStringLiteral("50000"));  // letters swallowed, five digits
    widget("TxtInClimb")->setFocus();
    QTest::keyClick(widget("TxtInClimb"), Qt::Key_Backspace);
    QTest::keyClick(widget("TxtInClimb"), Qt::Key_Backspace);
    settle();
    EXPECT_EQ(text("TxtInClimb"), QStringLiteral("500"));
    type("TxtInClimb", QStringLiteral("0"));
    messages.clear();
    click("cmdSidGen");
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    EXPECT_FALSE(text("LblIfrSid").isEmpty());
    EXPECT_TRUE(text("LblIfrSid").contains(QStringLiteral("VEBIT")));
    EXPECT_EQ(items("List1").size(), 1);
    EXPECT_TRUE(items("List1").value(0).startsWith(QStringLiteral("SWR123")));
    EXPECT_TRUE(items("LstDeparture").isEmpty());
    EXPECT_NE(text("LblSquawk"), firstCode);
    EXPECT_TRUE(QFile::exists(homeFile("DATA/departure.txt")));

    // Arrival panel: the squawk on offer is copied over.
    click("Command3(3)");
    EXPECT_TRUE(widget("FraStar")->isVisible());
    EXPECT_FALSE(widget("FraSid")->isVisible());
    EXPECT_EQ(text("LblSqArr"), text("LblSquawk"));
    clickItem("LstArrival", 0);
    EXPECT_EQ(text("lblCompanyArr"), QStringLiteral("Lufthansa"));
    EXPECT_EQ(text("lblCallSign"), QStringLiteral("LSZH"));
    EXPECT_TRUE(widget("cmdFPArr")->isEnabled());
    choose("cmbLandRwy", QStringLiteral("14 "));
    ASSERT_EQ(items("List3").size(), 1);
    EXPECT_TRUE(items("List3").value(0).startsWith(QStringLiteral("ILS14")));
    EXPECT_TRUE(items("cmbStar").contains(QStringLiteral("ROTOS2")));
    choose("cmbStar", QStringLiteral("ROTOS2"));
    type("txtDescend", QStringLiteral("6000"));
    messages.clear();
    click("cmdStarGen");
    EXPECT_TRUE(messages.empty()) << messages.front().text;
    EXPECT_TRUE(text("lblIfrStar").contains(QStringLiteral("ROTOS")));
    EXPECT_EQ(items("List2").size(), 1);
    EXPECT_TRUE(QFile::exists(homeFile("DATA/arrival.txt")));

    // The approach list lies over the top strip until it is clicked.
    clickItem("List3", 0);
    EXPECT_TRUE(widget("fraILS")->isVisible());
    EXPECT_FALSE(items("List4").isEmpty());
    clickItem("List4", 0);
    EXPECT_FALSE(widget("fraILS")->isVisible());

    // RESET: back to the start, logs gone.
    click("Command3(7)");
    EXPECT_EQ(window->size(), QSize(1291, 80));
    EXPECT_FALSE(widget("FraStar")->isVisible());
    EXPECT_EQ(text("LblPositionName"), QString());
    EXPECT_TRUE(items("List1").isEmpty());
    EXPECT_TRUE(items("List2").isEmpty());
    EXPECT_TRUE(widget("TxtOperatorName")->isEnabled());
    EXPECT_EQ(window->focusWidget(), widget("TxtOperatorName"));
    EXPECT_FALSE(widget("Command3(0)")->isEnabled());
    EXPECT_FALSE(QFile::exists(homeFile("DATA/departure.txt")));
    EXPECT_FALSE(QFile::exists(homeFile("DATA/arrival.txt")));

    // EXIT: No keeps the program, Yes ends it.
    messages.clear();
    answers.push_back(false);
    click("Command3(8)");
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].text, "ARE YOU SURE ?");
    EXPECT_EQ(messages[0].title, "EXIT");
    EXPECT_EQ(messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(messages[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(ended);
    EXPECT_TRUE(window->isVisible());
    answers.push_back(true);
    click("Command3(8)");
    EXPECT_TRUE(ended);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowSessionTest, ConnectWithoutFoldersWarnsAndResets) {
    start();
    type("TxtOperatorName", QStringLiteral("jane doe"));
    click("CmdExecute");
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].text,
              "PAY ATTENTION!!! IMPORTANT FILE NOT FOUND PLEASE USE IVAO IMPORT DATA BUTTON");
    EXPECT_EQ(messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(widget("TxtOperatorName")->isEnabled());
    EXPECT_EQ(text("TxtOperatorName"), QString());
    EXPECT_FALSE(widget("Command3(0)")->isEnabled());
}

TEST_F(MainWindowSessionTest, BlinkingWarningTogglesWithTheTimer) {
    start();
    chooseFolders();
    connect();
    click("Command3(3)");
    clickItem("LstArrival", 1);  // standing still in the air: a problem aircraft
    QLabel* warning = label("lblParArr");
    EXPECT_EQ(warning->text(), QStringLiteral("P R O B L E M -  don't use aircraft"));
    EXPECT_EQ(background(warning), QColor(255, 0, 0));
    EXPECT_EQ(background(warning),
              FormColours::fromWindowColour(controller->window().lblParArr.backColour));
    // The logic keeps its size; the field draws the advice no larger, so that it stays whole.
    EXPECT_EQ(controller->window().lblParArr.fontSize, 14);
    EXPECT_LE(warning->font().pointSizeF(), 14.0);
    const bool before = warning->isVisible();
    EXPECT_TRUE(waitFor([&] { return warning->isVisible() != before; }, 1500));
    EXPECT_TRUE(waitFor([&] { return warning->isVisible() == before; }, 1500));
}

TEST_F(MainWindowSessionTest, FollowingRefreshesOnceWhenTheSnapshotIsReplacedByRename) {
    start();
    chooseFolders();
    connect();
    window->setFollowing(true);
    click("Command3(1)");
    widget("TxtInClimb")->setFocus();
    type("TxtInClimb", QStringLiteral("120"));
    ASSERT_EQ(window->focusWidget(), widget("TxtInClimb"));
    // The radar client writes the next snapshot beside the old one and renames it over it: a
    // new departure and a new QNH.
    QFile old(homeFile("radar/recent.dat"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    QByteArray next = old.readAll().replace("Q1013", "Q1009");
    next +=
        "EZS88:444444:Pilot:PILOT::::47.4581:8.5481::ZZZZ:1400:0::A320:SDFGIRWY:LSZH:::47.4581:"
        "8.5481:LFPG\r\n";
    QFile written(homeFile("radar/recent.tmp"));
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write(next);
    written.close();
    ASSERT_EQ(std::rename(homeFile("radar/recent.tmp").toLocal8Bit().constData(),
                          homeFile("radar/recent.dat").toLocal8Bit().constData()),
              0);

    ASSERT_TRUE(waitFor([&] { return items("LstDeparture").size() == 2; }, 5000));
    EXPECT_EQ(items("LstDeparture"),
              (QStringList{QStringLiteral("SWR123"), QStringLiteral("EZS88")}));
    EXPECT_EQ(text("lblQNH"), QStringLiteral("1009"));
    EXPECT_EQ(background(label("lblQNH")), FormColours::fromWindowColour(colour::kOrange));
    EXPECT_EQ(text("TxtInClimb"), QStringLiteral("120"));
    EXPECT_EQ(window->focusWidget(), widget("TxtInClimb"));
    // One change, one refresh, even after the next second has passed.
    waitFor([] { return false; }, 1500);
    EXPECT_EQ(window->refreshCount(), 1);

    QTest::mouseClick(label("lblQNH"), Qt::LeftButton);
    settle();
    EXPECT_EQ(background(label("lblQNH")), FormColours::yellow());
    EXPECT_TRUE(messages.empty()) << messages.front().text;
}

}  // namespace
}  // namespace corvane::test
