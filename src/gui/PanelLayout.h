#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

namespace corvane {

/// Pieces both clearance panels are built of, placed in twips inside the panel.
class PanelLayout {
public:
    /// Height of one row of caption and value field.
    static constexpr int kRowHeight = 300;

    /// A caption with its value field to the right of it.
    static QLabel* captionedField(QWidget* panel, const char* captionName, const char* text,
                                  const char* fieldName, int left, int top, int captionWidth,
                                  int fieldWidth, const QColor& background = QColor(255, 255, 0));
    /// The blinking parameter message field: large bold text.
    static QLabel* warningField(QWidget* panel, const char* name, int left, int top, int width,
                                int height);
    /// A bold value field for a clearance text, wrapped over several lines.
    static QLabel* clearanceField(QWidget* panel, const char* name, int left, int top, int width,
                                  int height, const QColor& background);
};

}  // namespace corvane
