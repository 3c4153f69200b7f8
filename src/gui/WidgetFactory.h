#pragma once

#include <QColor>
#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace corvane {

/// Makes the window's controls: each carries its control name as objectName and sits at a
/// rectangle given in twips (left, top, width, height) inside its parent.
class WidgetFactory {
public:
    /// A static caption; plain text, so the spaces inside a caption stay as written.
    static QLabel* caption(QWidget* parent, const char* name, const QString& text, int left,
                           int top, int width, int height);
    /// A value field: a label with a coloured background, yellow unless told otherwise.
    static QLabel* valueField(QWidget* parent, const char* name, int left, int top, int width,
                              int height, const QColor& background = QColor(255, 255, 0));
    static QLineEdit* textBox(QWidget* parent, const char* name, int left, int top, int width,
                              int height);
    /// A multi-line read-only text box with a vertical scroll bar.
    static QPlainTextEdit* memo(QWidget* parent, const char* name, int left, int top, int width,
                                int height, const QColor& background = QColor(255, 255, 255));
    static QListWidget* list(QWidget* parent, const char* name, int left, int top, int width,
                             int height, const QColor& background = QColor(255, 255, 255));
    /// A drop-down combo box that also takes typed or pasted text.
    static QComboBox* combo(QWidget* parent, const char* name, int left, int top, int width,
                            int height);
    /// A command button; its caption comes from the view model.
    static QPushButton* button(QWidget* parent, const char* name, int left, int top, int width,
                               int height);
    static QGroupBox* frame(QWidget* parent, const char* name, const QString& title, int left,
                            int top, int width, int height);
    static void paintBackground(QWidget* widget, const QColor& colour);
};

}  // namespace corvane
