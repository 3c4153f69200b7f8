// The window binds every control of the model to a widget of its kind: a model value shows in
// the widget, and the user's action on the widget reaches the controller.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "FormColours.h"
#include "GuiFixture.h"
#include "ModelBinder.h"
#include "support/CaseName.h"

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
            read = m.label(name)->text + " " +
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
            read = (name == "Timer1" ? m.lblParam : m.lblParArr).visible ? "warning shown"
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

}  // namespace
}  // namespace corvane::test
