#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "MainWindow.h"
#include "QtPlatform.h"
#include "app/MainWindowController.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

/// Lets GoogleTest print a QString readably.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace corvane::test {

/// A program folder copied from tests/data/gui, the Qt platform with scripted message boxes
/// and folder choices, and the main window on them. Every step goes through the widgets.
class GuiFixture : public ::testing::Test {
protected:
    GuiFixture();
    ~GuiFixture() override;

    /// Creates the window as the splash does.
    void start();
    /// Lets the window take the actions it posted to the event loop.
    static void settle();
    /// Runs the event loop until `done` holds or `timeoutMs` have passed; whether it held.
    static bool waitFor(const std::function<bool()>& done, int timeoutMs);

    /// The widget of `control`; fails the test when the window has none.
    QWidget* widget(const QString& control) const;
    QLabel* label(const QString& control) const;
    QLineEdit* lineEdit(const QString& control) const;
    QListWidget* list(const QString& control) const;
    QComboBox* combo(const QString& control) const;
    /// The text of a label, line edit, read-only memo or button.
    QString text(const QString& control) const;
    /// The items of a list or combo box.
    QStringList items(const QString& control) const;
    /// The background colour a value field or list paints.
    static QColor background(const QWidget* widget);

    /// A left click on a button.
    void click(const QString& control);
    /// A click on item `row` of a list.
    void clickItem(const QString& control, int row);
    /// Chooses the item `text` from the drop-down list of a combo box.
    void choose(const QString& control, const QString& text);
    /// Types `text` key by key into a text box.
    void type(const QString& control, const QString& text);

    /// The path of a file in the program folder.
    QString homeFile(const QString& relative) const;

    QTemporaryDir home;
    QtPlatform platform;
    /// Message boxes shown so far.
    std::vector<MessageRequest> messages;
    /// Answers to Yes/No questions, in order (a question without an answer gets No).
    std::deque<bool> answers;
    /// Folders the browser returns, in order (none: the user cancels).
    std::deque<std::string> folders;
    std::unique_ptr<MainWindowController> controller;
    std::unique_ptr<MainWindow> window;
    bool ended = false;
};

}  // namespace corvane::test
