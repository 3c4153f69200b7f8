#include "PanelLayout.h"

#include <QLabel>

#include "WidgetFactory.h"

namespace corvane {

QLabel* PanelLayout::captionedField(QWidget* panel, const char* captionName, const char* text,
                                    const char* fieldName, int left, int top, int captionWidth,
                                    int fieldWidth, const QColor& background) {
    WidgetFactory::caption(panel, captionName, QString::fromUtf8(text), left, top + 30,
                           captionWidth, kRowHeight);
    return WidgetFactory::valueField(panel, fieldName, left + captionWidth, top, fieldWidth,
                                     kRowHeight, background);
}

QLabel* PanelLayout::warningField(QWidget* panel, const char* name, int left, int top, int width,
                                  int height) {
    QLabel* field = WidgetFactory::valueField(panel, name, left, top, width, height);
    field->setAlignment(Qt::AlignCenter);
    field->setWordWrap(true);
    QFont font = field->font();
    font.setBold(true);
    field->setFont(font);
    return field;
}

QLabel* PanelLayout::clearanceField(QWidget* panel, const char* name, int left, int top, int width,
                                    int height, const QColor& background) {
    QLabel* field = WidgetFactory::valueField(panel, name, left, top, width, height, background);
    field->setWordWrap(true);
    field->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Controllers paste the clearance into the radar client's chat.
    field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont font = field->font();
    font.setBold(true);
    field->setFont(font);
    return field;
}

}  // namespace corvane
