// The window binds every control of the model to a widget of its kind: a model value shows in
// the widget, and the user's action on the widget reaches the controller. Then a whole
// controller's session driven through the widgets only: what each step opens, fills and
// empties. The values themselves are the logic's and checked by its own tests.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "FormColours.h"
#include "GuiFixture.h"
#include "ModelBinder.h"
#include "support/CaseName.h"
#include "support/SnapshotLines.h"
#include "window/ShownText.h"

namespace corvane::test {
namespace {

class BindingTest : public GuiFixture, public ::testing::WithParamInterface<CaseRow> {
protected:
    void write(const std::string& kind, const std::string& name, const QString& value) {
        MainWindowModel& m = controller->window();
        const std::string text = value.toStdString();
        std::vector<std::string> parts;
        for (const QString& part : value.split(u'|')) {
            parts.push_back(part.toStdString());
        }
        if (kind == "label") {
            m.label(name)->text = text;
            m.label(name)->backColour = colour::kOrange;
        } else if (kind == "textbox") {
            m.textBox(name)->text = text;
        } else if (kind == "list") {
            m.list(name)->items = parts;
            m.list(name)->selected = 1;
        } else if (kind == "combo") {
            m.combo(name)->items = parts;
            m.combo(name)->select(0);
            m.combo(name)->enabled = true;
        } else if (kind == "button") {
            m.button(name)->caption = text;
            m.button(name)->enabled = true;
        } else if (kind == "frame") {
            m.frame(name)->caption = text;
        } else {
            m.timer(name)->intervalMs = value.toInt();
            m.timer(name)->enabled = true;
        }
    }

    QString shown(const std::string& kind, const QString& control) {
        if (auto* timer = window->findChild<QTimer*>(control)) {
            return QString::number(timer->interval()) + (timer->isActive() ? " running" : " idle");
        }
        QWidget* w = widget(control);
        if (kind == "list" || kind == "combo") {
            const char* current = kind == "list" ? "currentRow" : "currentIndex";
            return items(control).join(u'|') + " @" + w->property(current).toString();
        }
        const QString state = kind == "label"    ? background(w).name()
                              : kind == "button" ? (w->isEnabled() ? "enabled" : "disabled")
                              : kind == "frame"  ? (w->isVisible() ? "shown" : "hidden")
                                                 : "";
        return state.isEmpty() ? text(control) : text(control) + " " + state;
    }

    QString model(const std::string& kind, const std::string& name) {
        const MainWindowModel& m = controller->window();
        std::string read;
        if (kind == "label") {
            read = shownText(m.label(name)->text) + " " +
                   FormColours::fromWindowColour(m.label(name)->backColour).name().toStdString();
        } else if (kind == "textbox") {
            read = m.textBox(name)->text;
        } else if (kind == "list") {
            read = "@" + std::to_string(m.list(name)->selected);
        } else if (kind == "combo") {
            read = "@" + std::to_string(m.combo(name)->selected) + " " + m.combo(name)->text;
        } else if (kind == "frame") {
            read = m.frame(name)->caption;
        } else if (kind == "timer") {
            read = (name == "Timer1" ? m.departure.message : m.arrival.message).visible
                       ? "warning shown"
                       : "warning hidden";
        }
        return QString::fromStdString(messages.empty() ? read : read + "|" + messages.back().text);
    }
};

TEST_P(BindingTest, ShowsTheModelAndPassesTheActionToTheController) {
    start();
    const QStringList row = fields(GetParam());
    ASSERT_EQ(row.size(), 7) << GetParam().name;
    const std::string kind = row[0].toStdString();
    const std::string name = row[1].toStdString();
    if (row[2] != u"-") {
        controller->window().frame(row[2].toStdString())->visible = true;
        controller->window().height = MainWindowModel::kExpandedHeightTwips;
    }
    write(kind, name, row[3]);
    QTest::keyClick(window.get(), Qt::Key_F5);  // a refresh from the model, nothing else
    settle();
    EXPECT_EQ(shown(kind, row[1]), row[4]);

    const QString action = row[5].section(u' ', 0, 0);
    const QString argument = row[5].section(u' ', 1);
    if (action == u"click") {
        argument.isEmpty() ? click(row[1]) : clickItem(row[1], argument.toInt());
    } else if (action == u"type") {
        type(row[1], QString(argument).replace("\\b", "\b").replace("\\r", "\r"));
    } else if (action == u"paste") {
        QApplication::clipboard()->setText(argument);
        QTest::keyClick(widget(row[1]), Qt::Key_V, Qt::ControlModifier);
        settle();
    } else if (action == u"choose") {
        choose(row[1], argument);
    } else if (action == u"tick") {
        const QString before = model(kind, name);
        EXPECT_TRUE(QTest::qWaitFor([&] { return model(kind, name) != before; }, 1500));
    }
    EXPECT_EQ(model(kind, name), row[6]);
}

CORVANE_CASES(Controls, BindingTest, "gui/binding.tsv");

class ModelBinderTest : public GuiFixture {};

TEST_F(ModelBinderTest, NamesEveryControlOfTheModelWithoutAWidgetOfItsKind) {
    EXPECT_EQ(ModelBinder(window.get()).unboundControls(controller->window()), QStringList());
    widget("LblRating")->setObjectName(QString());
    window->findChild<QTimer*>(QStringLiteral("Timer2"))->setObjectName(QString());
    EXPECT_EQ(ModelBinder(window.get()).unboundControls(controller->window()),
              (QStringList{QStringLiteral("LblRating"), QStringLiteral("Timer2")}));
}

// Controllers paste the clearance and its procedure into the radar client's chat.
TEST_F(ModelBinderTest, TheClearanceTextsCanBeSelectedAndCopied) {
    start();
    for (const QString name : {"LblIfrSid", "lblIfrStar", "txtSidAss", "txtStarAss"}) {
        QWidget* field = widget(name);
        field->setProperty(qobject_cast<QLabel*>(field) != nullptr ? "text" : "plainText", name);
        QApplication::clipboard()->clear();
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), name);
    }
}

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

TEST_F(MainWindowSessionTest, AnEmergencyIsRedWithItsReasonAndToldOnce) {
    start();
    connect();
    ASSERT_TRUE(messages.empty()) << messages.front().text;
    QFile snapshot(homeFile("radar/recent.dat"));
    ASSERT_TRUE(snapshot.open(QIODevice::ReadWrite | QIODevice::Append));
    const std::string line =
        PilotLine("EZS88").set(snapshot::DepAirport, "LSZH").set(snapshot::Squawk, "7700").text();
    snapshot.write(QByteArray::fromStdString(line + "\r\n"));
    snapshot.close();
    for (int refresh = 0; refresh < 2; ++refresh) {
        QTest::keyClick(window.get(), Qt::Key_F5);
        settle();
    }
    auto* list = qobject_cast<QListWidget*>(widget("LstDeparture"));
    ASSERT_EQ(items("LstDeparture"), (QStringList{"SWR123", "EZS88"}));
    EXPECT_EQ(list->item(1)->foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(list->item(1)->toolTip(), QStringLiteral("SQUAWKING 7700"));
    EXPECT_NE(list->item(0)->foreground().color(), QColor(255, 0, 0));
    EXPECT_TRUE(list->item(0)->toolTip().isEmpty());
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].text, "PAY ATTENTION!!! AIRCRAFT EZS88 IS SQUAWKING 7700");
    EXPECT_EQ(messages[0].title, "EMERGENCY");
}

}  // namespace
}  // namespace corvane::test
