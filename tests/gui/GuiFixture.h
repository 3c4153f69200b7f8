#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QColor>
#include <QComboBox>
#include <QDirIterator>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "QtPlatform.h"
#include "app/MainWindowController.h"
#include "support/CaseTable.h"

/// Lets GoogleTest print a QString readably.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace corvane::test {

/// The columns of a table row after its name (tests/data/gui/*.tsv, through caseTable).
inline QStringList fields(const CaseRow& row) {
    QStringList all;
    for (const std::string& cell : row.cells) {
        all.append(QString::fromStdString(cell));
    }
    return all;
}

/// The text a widget shows: a label's, text box's, button's, frame's or combo box's.
inline QString textOf(const QObject* widget) {
    for (const char* property : {"text", "plainText", "title", "currentText"}) {
        if (const QVariant value = widget->property(property); value.isValid()) {
            return value.toString();
        }
    }
    return {};
}

/// A program folder copied from tests/data/gui/home, the Qt platform with scripted message
/// boxes, and the main window on them. Every step goes through the widgets.
class GuiFixture : public ::testing::Test {
protected:
    GuiFixture() {
        const QString from = QStringLiteral(CORVANE_GUI_TEST_DATA "/home");
        for (QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
             files.hasNext();) {
            const QString target = home.path() + files.next().mid(from.size());
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(files.filePath(), target);
        }
        platform.setScreenOverride(QtPlatform::twipsOf(1280, 1024));
        platform.setMessageHandler([this](const MessageRequest& request) {
            messages.push_back(request);
            if (request.buttons == MessageButtons::Ok) {
                return MessageAnswer::Ok;
            }
            const bool yes = !answers.empty() && answers.front();
            answers.erase(answers.begin(), answers.begin() + (answers.empty() ? 0 : 1));
            return yes ? MessageAnswer::Yes : MessageAnswer::No;
        });
        controller = std::make_unique<MainWindowController>(platform, home.path().toStdString());
        window = std::make_unique<MainWindow>(*controller, platform);
        QObject::connect(window.get(), &MainWindow::programEnded, [this] { ended = true; });
    }
    ~GuiFixture() override {
        window.reset();
        settle();
    }

    /// Creates the window as the splash does.
    void start() {
        window->start();
        settle();
    }
    /// Lets the window take the actions it posted to the event loop.
    static void settle() {
        for (int round = 0; round < 5; ++round) {
            QCoreApplication::processEvents();
        }
    }

    /// The widget of `control`; fails the test when the window has none.
    QWidget* widget(const QString& control) const {
        QWidget* found = window->control(control);
        EXPECT_NE(found, nullptr) << "no widget " << control.toStdString();
        return found;
    }
    /// The text `control` shows.
    QString text(const QString& control) const { return textOf(widget(control)); }
    /// The items of a list or combo box.
    QStringList items(const QString& control) const {
        auto* combo = qobject_cast<QComboBox*>(widget(control));
        auto* list = qobject_cast<QAbstractItemView*>(widget(control));
        QAbstractItemModel* model = combo != nullptr  ? combo->model()
                                    : list != nullptr ? list->model()
                                                      : nullptr;
        QStringList result;
        for (int row = 0; model != nullptr && row < model->rowCount(); ++row) {
            result.append(model->index(row, 0).data().toString());
        }
        return result;
    }
    /// The background colour a value field or list paints.
    static QColor background(const QWidget* widget) {
        const bool base = qobject_cast<const QListWidget*>(widget) != nullptr ||
                          qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
        return widget->palette().color(base ? QPalette::Base : QPalette::Window);
    }

    /// A left click on `control`.
    void click(const QString& control) {
        QTest::mouseClick(widget(control), Qt::LeftButton);
        settle();
    }
    /// A click on item `row` of a list.
    void clickItem(const QString& control, int row) {
        auto* box = qobject_cast<QListWidget*>(widget(control));
        ASSERT_TRUE(box != nullptr && row < box->count()) << control.toStdString() << " " << row;
        const QRect rect = box->visualItemRect(box->item(row));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        settle();
    }
    /// Chooses the item `text` from the drop-down list of a combo box.
    void choose(const QString& control, const QString& wanted) {
        auto* box = qobject_cast<QComboBox*>(widget(control));
        const int target = box->findText(wanted);
        ASSERT_GE(target, 0) << wanted.toStdString() << " not in " << control.toStdString();
        // Drop the list down and click the item, as the user does: one choice, one activation.
        box->showPopup();
        settle();
        ASSERT_TRUE(box->view()->isVisible()) << control.toStdString();
        const QRect rect = box->view()->visualRect(box->model()->index(target, 0));
        QTest::mouseClick(box->view()->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        settle();
    }
    /// Types `text` key by key into a text box.
    void type(const QString& control, const QString& keys) {
        for (const QChar key : keys) {
            // QTest knows no key code for a letter beyond ASCII: send its text, as a layout does.
            const Qt::Key code =
                key.unicode() < 0x80 ? QTest::asciiToKey(key.toLatin1()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Press, widget(control), code, QString(key), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, widget(control), code, QString(key),
                                Qt::NoModifier);
        }
        settle();
    }

    /// The path of a file in the program folder.
    QString homeFile(const QString& relative) const { return home.filePath(relative); }
    /// Chooses the snapshot and procedure folders with their buttons, then connects.
    void connect() {
        for (const auto& [button, folder] :
             {std::pair("Command3(6)", "radar"), std::pair("Command3(5)", "SIDSTARS")}) {
            const std::string path = homeFile(QString::fromLatin1(folder)).toStdString();
            platform.setFolderHandler([path](const std::string&) { return std::optional(path); });
            click(QString::fromLatin1(button));
        }
        type("TxtOperatorName", QStringLiteral("jane doe"));
        click("CmdExecute");
    }

    QTemporaryDir home;
    QtPlatform platform;
    /// Message boxes shown so far.
    std::vector<MessageRequest> messages;
    /// Answers to Yes/No questions, in order (a question without an answer gets No).
    std::deque<bool> answers;
    std::unique_ptr<MainWindowController> controller;
    std::unique_ptr<MainWindow> window;
    bool ended = false;
};

}  // namespace corvane::test
