#include "WidgetFactory.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "CaptionButton.h"
#include "Twips.h"

namespace corvane {

namespace {

template <typename Widget>
Widget* make(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromUtf8(name));
    Twips::place(widget, left, top, width, height);
    return widget;
}

}  // namespace

void WidgetFactory::paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QLabel* WidgetFactory::caption(QWidget* parent, const char* name, const QString& text, int left,
                               int top, int width, int height) {
    auto* label = make<QLabel>(parent, name, left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setText(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* WidgetFactory::valueField(QWidget* parent, const char* name, int left, int top, int width,
                                  int height, const QColor& background) {
    auto* label = make<QLabel>(parent, name, left, top, width, height);
    label->setTextFormat(Qt::PlainText);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    paintBackground(label, background);
    return label;
}

QLineEdit* WidgetFactory::textBox(QWidget* parent, const char* name, int left, int top, int width,
                                  int height) {
    return make<QLineEdit>(parent, name, left, top, width, height);
}

QPlainTextEdit* WidgetFactory::memo(QWidget* parent, const char* name, int left, int top, int width,
                                    int height, const QColor& background) {
    auto* memo = make<QPlainTextEdit>(parent, name, left, top, width, height);
    memo->setReadOnly(true);
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    paintBackground(memo, background);
    return memo;
}

QListWidget* WidgetFactory::list(QWidget* parent, const char* name, int left, int top, int width,
                                 int height, const QColor& background) {
    auto* list = make<QListWidget>(parent, name, left, top, width, height);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    paintBackground(list, background);
    return list;
}

QComboBox* WidgetFactory::combo(QWidget* parent, const char* name, int left, int top, int width,
                                int height) {
    auto* combo = make<QComboBox>(parent, name, left, top, width, height);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

QPushButton* WidgetFactory::button(QWidget* parent, const char* name, int left, int top, int width,
                                   int height) {
    auto* button = make<CaptionButton>(parent, name, left, top, width, height);
    button->setAutoDefault(false);
    return button;
}

QGroupBox* WidgetFactory::frame(QWidget* parent, const char* name, const QString& title, int left,
                                int top, int width, int height) {
    auto* frame = make<QGroupBox>(parent, name, left, top, width, height);
    frame->setTitle(title);
    return frame;
}

}  // namespace corvane
