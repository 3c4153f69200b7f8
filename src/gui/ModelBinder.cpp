#include "ModelBinder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>
#include <QTimer>

#include "FormColours.h"
#include "TextFit.h"
#include "UiText.h"
#include "WidgetFactory.h"
#include "window/MainWindowModel.h"
#include "window/ShownText.h"

namespace corvane {

namespace {

QStringList shown(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) {
        list.append(UiText::show(item));
    }
    return list;
}

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int row = 0; row < list->count(); ++row) {
        items.append(list->item(row)->text());
    }
    return items;
}

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int index = 0; index < combo->count(); ++index) {
        items.append(combo->itemText(index));
    }
    return items;
}

// A marked entry stands out in red; an aircraft gone from the traffic is greyed instead, as
// there is nothing left to watch on it.
void showMarks(QListWidget* list, const ListBox& box) {
    const QBrush plain = list->palette().brush(QPalette::Text);
    for (int row = 0; row < list->count(); ++row) {
        const ItemMark& mark = box.markAt(row);
        QListWidgetItem* item = list->item(row);
        QBrush brush = plain;
        if (mark.kind == MarkKind::Gone) {
            brush = FormColours::grey();
        } else if (mark.kind != MarkKind::None) {
            brush = FormColours::red();
        }
        if (item->foreground() != brush) {
            item->setForeground(brush);
        }
        const QString tip = UiText::show(mark.why);
        if (item->toolTip() != tip) {
            item->setToolTip(tip);
        }
    }
}

bool isWarningField(const std::string& name) {
    return name == "lblParam" || name == "lblParArr";
}

// Fields whose longest texts (airline names of the generated table, the 60 columns of a
// procedure file's AIRAC line) are wider than the field.
bool isShrinkingField(const std::string& name) {
    return name == "lblCompanyDep" || name == "lblCompanyArr" || name == "LblAirac";
}

// The value fields whose background the logic changes: the warnings and the QNH alert.
bool hasLiveBackground(const std::string& name) {
    return isWarningField(name) || name == "lblQNH" || name == "lblPollici";
}

}  // namespace

ModelBinder::ModelBinder(QWidget* window) {
    for (QObject* child : window->findChildren<QObject*>()) {
        if (!child->objectName().isEmpty() && !objects_.contains(child->objectName())) {
            objects_.insert(child->objectName(), child);
        }
    }
}

QWidget* ModelBinder::widget(const QString& name) const {
    return qobject_cast<QWidget*>(objects_.value(name, nullptr));
}

QStringList ModelBinder::unboundControls(const MainWindowModel& model) const {
    QStringList unbound;
    auto check = [&](const auto& controls, auto isOfKind) {
        for (const auto* control : controls) {
            const QString name = QString::fromStdString(control->name);
            if (!isOfKind(objects_.value(name, nullptr))) {
                unbound.append(name);
            }
        }
    };
    check(model.labels(), [](QObject* o) { return qobject_cast<QLabel*>(o) != nullptr; });
    check(model.textBoxes(), [](QObject* o) {
        return qobject_cast<QLineEdit*>(o) != nullptr ||
               qobject_cast<QPlainTextEdit*>(o) != nullptr;
    });
    check(model.lists(), [](QObject* o) { return qobject_cast<QListWidget*>(o) != nullptr; });
    check(model.combos(), [](QObject* o) { return qobject_cast<QComboBox*>(o) != nullptr; });
    check(model.buttons(), [](QObject* o) { return qobject_cast<QPushButton*>(o) != nullptr; });
    check(model.frames(), [](QObject* o) { return qobject_cast<QGroupBox*>(o) != nullptr; });
    check(model.timers(), [](QObject* o) { return qobject_cast<QTimer*>(o) != nullptr; });
    return unbound;
}

void ModelBinder::refresh(const MainWindowModel& model) {
    refreshing_ = true;
    refreshButtonsAndFrames(model);
    refreshLabels(model);
    refreshTextBoxes(model);
    refreshLists(model);
    refreshCombos(model);
    refreshing_ = false;
}

void ModelBinder::refreshLabels(const MainWindowModel& model) {
    for (const Label* label : model.labels()) {
        auto* field = qobject_cast<QLabel*>(widget(QString::fromStdString(label->name)));
        if (field == nullptr) {
            continue;
        }
        const QString text = UiText::show(shownText(label->text));
        if (isWarningField(label->name)) {
            WidgetFactory::paintBackground(field, FormColours::fromWindowColour(label->backColour));
            // The logic's size is a wish: a long advice is drawn smaller so it stays whole.
            TextFit::showWarning(field, text, label->fontSize);
        } else if (isShrinkingField(label->name)) {
            TextFit::showShrunk(field, text);
        } else if (field->text() != text) {
            field->setText(text);
        }
        field->setVisible(label->visible);
        if (hasLiveBackground(label->name) && !isWarningField(label->name)) {
            WidgetFactory::paintBackground(field, FormColours::fromWindowColour(label->backColour));
        }
    }
}

void ModelBinder::refreshTextBoxes(const MainWindowModel& model) {
    for (const TextBox* box : model.textBoxes()) {
        QWidget* target = widget(QString::fromStdString(box->name));
        const QString text = UiText::show(box->text);
        if (auto* line = qobject_cast<QLineEdit*>(target)) {
            const QSignalBlocker blocker(line);
            line->setMaxLength(box->maxLength == 0 ? 32767 : static_cast<int>(box->maxLength));
            if (line->text() != text) {
                line->setText(text);
            }
            line->setReadOnly(box->readOnly);
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) {
            if (memo->toPlainText() != text) {
                memo->setPlainText(text);
            }
        }
        if (target != nullptr) {
            target->setEnabled(box->enabled);
        }
    }
}

void ModelBinder::refreshLists(const MainWindowModel& model) {
    for (const ListBox* box : model.lists()) {
        auto* list = qobject_cast<QListWidget*>(widget(QString::fromStdString(box->name)));
        if (list == nullptr) {
            continue;
        }
        const QSignalBlocker blocker(list);
        const QStringList items = shown(box->items);
        const bool rebuilt = itemsOf(list) != items;
        // A list filled again (a refresh of the traffic) stays where the controller scrolled it.
        const int scrolled = list->verticalScrollBar()->value();
        if (rebuilt) {
            list->clear();
            list->addItems(items);
        }
        showMarks(list, *box);
        if (box->hasIndex(box->selected)) {
            list->setCurrentRow(box->selected);
        } else {
            list->setCurrentRow(-1);
            list->clearSelection();
        }
        if (rebuilt) {
            list->doItemsLayout();
            list->verticalScrollBar()->setValue(scrolled);
        }
    }
}

void ModelBinder::refreshCombos(const MainWindowModel& model) {
    for (const ComboBox* box : model.combos()) {
        auto* combo = qobject_cast<QComboBox*>(widget(QString::fromStdString(box->name)));
        if (combo == nullptr) {
            continue;
        }
        const QSignalBlocker blocker(combo);
        const QStringList items = shown(box->items);
        if (itemsOf(combo) != items) {
            combo->clear();
            combo->addItems(items);
        }
        combo->setCurrentIndex(box->hasIndex(box->selected) ? box->selected : -1);
        const QString text = UiText::show(box->text);
        if (combo->currentText() != text) {
            combo->setEditText(text);
        }
        combo->setEnabled(box->enabled);
    }
}

void ModelBinder::refreshButtonsAndFrames(const MainWindowModel& model) {
    for (const Button* button : model.buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(widget(QString::fromStdString(button->name)))) {
            push->setText(UiText::show(button->caption));
            push->setEnabled(button->enabled);
        }
    }
    for (const Frame* frame : model.frames()) {
        if (auto* box = qobject_cast<QGroupBox*>(widget(QString::fromStdString(frame->name)))) {
            box->setTitle(UiText::show(frame->caption));
            box->setVisible(frame->visible);
        }
    }
}

}  // namespace corvane
