#pragma once

#include <gtest/gtest.h>

#include <QColor>
#include <QStringList>
#include <QTemporaryDir>
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
QString textOf(const QObject* widget);

/// A program folder copied from tests/data/gui/home, the Qt platform with scripted message
/// boxes, and the main window on them. Every step goes through the widgets.
class GuiFixture : public ::testing::Test {
protected:
    GuiFixture();
    ~GuiFixture() override;

    /// Creates the window as the splash does.
    void start();
    /// Lets the window take the actions it posted to the event loop.
    static void settle();

    /// The widget of `control`; fails the test when the window has none.
    QWidget* widget(const QString& control) const;
    /// The text `control` shows.
    QString text(const QString& control) const { return textOf(widget(control)); }
    /// The items of a list or combo box.
    QStringList items(const QString& control) const;
    /// The background colour a value field or list paints.
    static QColor background(const QWidget* widget);

    /// A left click on `control`.
    void click(const QString& control);
    /// A click on item `row` of a list.
    void clickItem(const QString& control, int row);
    /// Chooses the item `text` from the drop-down list of a combo box.
    void choose(const QString& control, const QString& text);
    /// Types `text` key by key into a text box.
    void type(const QString& control, const QString& text);

    /// The path of a file in the program folder.
    QString homeFile(const QString& relative) const { return home.filePath(relative); }
    /// Chooses the snapshot and procedure folders with their buttons, then connects.
    void connect();

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
